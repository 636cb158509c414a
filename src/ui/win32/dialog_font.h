#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The dialogs' text size, in points.
inline constexpr WORD kDialogPointSize = 9;

// The face the dialogs are set in: "ＭＳ Ｐゴシック" (listed as "MS PGothic" on a
// system of another language), else "Yu Gothic UI", else "Meiryo UI", else the
// stand-in IPAPGothic, as `installed` names it; `fallback` when none of them is
// installed. Names compare without regard to case.
std::wstring ChooseDialogFace(const std::vector<std::wstring>& installed,
                              std::wstring_view fallback);

// The face names of the fonts installed, each once.
std::vector<std::wstring> InstalledFaces();

// ChooseDialogFace of the installed fonts, with the system's message font as the
// fallback; looked up once.
const std::wstring& DialogFontFace();

struct FontDeleter {
    void operator()(HFONT font) const { ::DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The character height, as LOGFONTW takes it (negative), of `points` at `dpi`.
LONG FontHeight(double points, UINT dpi);

// `face` at `points` for a window at `dpi`; null when it cannot be made.
UniqueFont MakeFont(std::wstring_view face, double points, UINT dpi, bool bold = false);

// A text and the room it has on one line, in pixels.
struct TextRoom {
    std::wstring text;
    SIZE room{};
};

// The largest size from `largest` down to `smallest`, in half points, at which each
// text in `face` at `dpi` is whole in its room; `smallest` when none is.
double FittingPointSize(std::wstring_view face, double largest, double smallest, UINT dpi,
                        const std::vector<TextRoom>& texts);

}  // namespace zelvo::win32
