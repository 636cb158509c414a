#include "ui/win32/typed_character_filter.h"

#include <memory>
#include <string>

namespace zelvo::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x5A46;

struct Filter {
    CharacterHandler handler;
    // The first half of a surrogate pair, until its second half arrives.
    wchar_t pendingHigh = 0;
};

bool IsHighSurrogate(WPARAM unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(WPARAM unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::wstring Utf16(int code) {
    if (code < 0 || code > 0x10FFFF) {
        return {};
    }
    if (code < 0x10000) {
        return std::wstring(1, static_cast<wchar_t>(code));
    }
    const int offset = code - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)),
            static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
}

// One UTF-16 unit typed: a whole character goes through the handler, and what it
// keeps reaches the edit as WM_CHAR.
LRESULT TypeUnit(HWND edit, Filter& filter, WPARAM unit, LPARAM lParam) {
    if (IsHighSurrogate(unit)) {
        filter.pendingHigh = static_cast<wchar_t>(unit);
        return 0;
    }
    int code = static_cast<int>(unit);
    if (IsLowSurrogate(unit) && filter.pendingHigh != 0) {
        code = 0x10000 + ((filter.pendingHigh - 0xD800) << 10) + (static_cast<int>(unit) - 0xDC00);
    }
    filter.pendingHigh = 0;
    if (filter.handler) {
        filter.handler(code);
    }
    for (const wchar_t kept : Utf16(code == 0 ? -1 : code)) {
        ::DefSubclassProc(edit, WM_CHAR, kept, lParam);
    }
    return 0;
}

LRESULT CALLBACK FilterProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR data) noexcept {
    auto* filter = reinterpret_cast<Filter*>(data);
    try {
        switch (message) {
            case WM_CHAR:
            case WM_IME_CHAR:
                return TypeUnit(edit, *filter, wParam, lParam);
            // The composition stays in the input method's own window; its result then
            // arrives a character at a time, as WM_IME_CHAR, instead of being put into
            // the edit whole.
            case WM_IME_STARTCOMPOSITION:
            case WM_IME_COMPOSITION:
            case WM_IME_ENDCOMPOSITION:
                return ::DefWindowProcW(edit, message, wParam, lParam);
            case WM_NCDESTROY:
                ::RemoveWindowSubclass(edit, &FilterProcedure, kSubclassId);
                delete filter;
                return ::DefSubclassProc(edit, message, wParam, lParam);
            default:
                return ::DefSubclassProc(edit, message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
}

}  // namespace

bool FilterTypedCharacters(HWND edit, CharacterHandler handler) {
    auto filter = std::make_unique<Filter>(Filter{std::move(handler)});
    if (!::SetWindowSubclass(edit, &FilterProcedure, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(filter.get()))) {
        return false;
    }
    filter.release();
    return true;
}

}  // namespace zelvo::win32
