#include "ui/win32/dialog_font.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <initializer_list>

namespace zelvo::win32 {
namespace {

// Best first; each face under every name a system may list it by. IPAPGothic, the
// P-Gothic face of Linux desktops, stands in for the Windows faces under Wine.
const std::initializer_list<std::initializer_list<std::wstring_view>> kPreferredFaces = {
    {L"ＭＳ Ｐゴシック", L"MS PGothic"},
    {L"Yu Gothic UI"},
    {L"Meiryo UI"},
    {L"IPAPGothic", L"IPA Pゴシック"},
};

constexpr std::wstring_view kLastResortFace = L"MS Shell Dlg 2";

bool SameName(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
    });
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                         LPARAM faces) {
    auto& names = *reinterpret_cast<std::vector<std::wstring>*>(faces);
    const std::wstring name(font->lfFaceName);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(name);
    }
    return 1;
}

std::wstring MessageFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != L'\0') {
        return metrics.lfMessageFont.lfFaceName;
    }
    return std::wstring(kLastResortFace);
}

constexpr double kPointStep = 0.5;

// Whether each text is whole in its room in `font`.
bool TextsFit(HFONT font, const std::vector<TextRoom>& texts) {
    HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) {
        return true;
    }
    const HGDIOBJ previous = ::SelectObject(screen, font);
    const bool fit = std::all_of(texts.begin(), texts.end(), [screen](const TextRoom& text) {
        RECT needed{};
        ::DrawTextW(screen, text.text.c_str(), static_cast<int>(text.text.size()), &needed,
                    DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return needed.right - needed.left <= text.room.cx &&
               needed.bottom - needed.top <= text.room.cy;
    });
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return fit;
}

}  // namespace

std::wstring ChooseDialogFace(const std::vector<std::wstring>& installed,
                              std::wstring_view fallback) {
    for (const auto& names : kPreferredFaces) {
        for (const std::wstring_view name : names) {
            const auto found =
                std::find_if(installed.begin(), installed.end(),
                             [name](const std::wstring& face) { return SameName(face, name); });
            if (found != installed.end()) {
                return *found;
            }
        }
    }
    return std::wstring(fallback);
}

std::vector<std::wstring> InstalledFaces() {
    std::vector<std::wstring> faces;
    HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) {
        return faces;
    }
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(screen, &all, &CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    ::ReleaseDC(nullptr, screen);
    return faces;
}

const std::wstring& DialogFontFace() {
    static const std::wstring face = ChooseDialogFace(InstalledFaces(), MessageFontFace());
    return face;
}

LONG FontHeight(double points, UINT dpi) {
    return -static_cast<LONG>(std::lround(points * dpi / 72.0));
}

UniqueFont MakeFont(std::wstring_view face, double points, UINT dpi, bool bold) {
    LOGFONTW font{};
    font.lfHeight = FontHeight(points, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::size_t length = std::min(face.size(), std::size(font.lfFaceName) - 1);
    std::copy_n(face.begin(), length, font.lfFaceName);
    return UniqueFont(::CreateFontIndirectW(&font));
}

double FittingPointSize(std::wstring_view face, double largest, double smallest, UINT dpi,
                        const std::vector<TextRoom>& texts) {
    for (double points = largest; points > smallest; points -= kPointStep) {
        const UniqueFont font = MakeFont(face, points, dpi);
        if (font != nullptr && TextsFit(font.get(), texts)) {
            return points;
        }
    }
    return smallest;
}

}  // namespace zelvo::win32
