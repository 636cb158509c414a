#include "platform/atom_table.h"

#include <algorithm>

namespace zelvo {
namespace {

constexpr std::size_t kMaxAtoms = 0x10000 - AtomTable::kFirstAtom;

bool SameName(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&upper](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

std::uint16_t AtomTable::Add(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    std::size_t freeSlot = entries_.size();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].references > 0 && SameName(entries_[i].name, name)) {
            ++entries_[i].references;
            return static_cast<std::uint16_t>(kFirstAtom + i);
        }
        if (entries_[i].references == 0 && freeSlot == entries_.size()) {
            freeSlot = i;
        }
    }
    if (freeSlot == entries_.size()) {
        if (entries_.size() >= kMaxAtoms) {
            return 0;
        }
        entries_.emplace_back();
    }
    entries_[freeSlot] = {std::string(name), 1};
    return static_cast<std::uint16_t>(kFirstAtom + freeSlot);
}

void AtomTable::Delete(std::uint16_t atom) {
    if (atom < kFirstAtom || static_cast<std::size_t>(atom - kFirstAtom) >= entries_.size()) {
        return;
    }
    Entry& entry = entries_[atom - kFirstAtom];
    if (entry.references > 0) {
        --entry.references;
    }
}

std::string AtomTable::NameOf(std::uint16_t atom) const {
    if (atom < kFirstAtom || static_cast<std::size_t>(atom - kFirstAtom) >= entries_.size() ||
        entries_[atom - kFirstAtom].references == 0) {
        return {};
    }
    return entries_[atom - kFirstAtom].name;
}

}  // namespace zelvo
