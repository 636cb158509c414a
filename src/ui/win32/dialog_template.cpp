#include "ui/win32/dialog_template.h"

#include <limits>

namespace zelvo::win32 {
namespace {

// The item count of a DLGTEMPLATE: after its style and extended style.
constexpr std::size_t kCountIndex = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, DWORD exStyle, DialogUnits place,
                               std::wstring_view caption, std::wstring_view face, WORD points) {
    PutDword(style | DS_SETFONT);
    PutDword(exStyle);
    words_.push_back(0);  // no controls yet
    PutShort(place.x);
    PutShort(place.y);
    PutShort(place.cx);
    PutShort(place.cy);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    PutText(caption);
    words_.push_back(points);
    PutText(face);
}

void DialogTemplate::Add(const DialogItem& item) {
    if (words_.at(kCountIndex) == std::numeric_limits<WORD>::max()) {
        return;
    }
    ++words_.at(kCountIndex);
    AlignToDword();
    PutDword(item.style);
    PutDword(item.exStyle);
    PutShort(item.place.x);
    PutShort(item.place.y);
    PutShort(item.place.cx);
    PutShort(item.place.cy);
    words_.push_back(item.id);
    words_.push_back(0xFFFF);  // a predefined class by its atom
    words_.push_back(static_cast<WORD>(item.control));
    PutText(item.text);
    words_.push_back(0);  // no creation data
}

void DialogTemplate::PutDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::PutShort(short value) {
    words_.push_back(static_cast<WORD>(value));
}

void DialogTemplate::PutText(std::wstring_view text) {
    for (const wchar_t unit : text) {
        words_.push_back(static_cast<WORD>(unit));
    }
    words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) {
        words_.push_back(0);
    }
}

}  // namespace zelvo::win32
