#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// String atoms: numbers from 0xC000 up standing for names, counted so that a name
// added twice must be deleted twice. Names compare without regard to ASCII case.
class AtomTable {
  public:
    static constexpr std::uint16_t kFirstAtom = 0xC000;

    // The atom of the name, added or counted once more; 0 for an empty name or a full table.
    std::uint16_t Add(std::string_view name);
    // Counts the atom down; it is gone when no addition is left. Unknown atoms are ignored.
    void Delete(std::uint16_t atom);
    // The name of a live atom; empty otherwise.
    std::string NameOf(std::uint16_t atom) const;

  private:
    struct Entry {
        std::string name;
        int references = 0;
    };
    std::vector<Entry> entries_;  // index = atom - kFirstAtom; free slots have no references
};

}  // namespace zelvo
