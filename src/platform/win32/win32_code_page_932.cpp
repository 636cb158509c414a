#include "platform/win32/win32_code_page_932.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <utility>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

constexpr UINT kCodePage932 = 932;
constexpr wchar_t kReplacementCharacter = 0xFFFD;
constexpr char kUnencodable = '?';

// Characters written in the code page 932 form of their JIS X 0201 and JIS X 0208
// codes, as the Linux program writes them: Windows maps those codes to other code
// points (0x815C to U+2015, 0x8160 to U+FF5E...), so its tables know these only
// as best fits.
struct JisForm {
    char32_t codePoint;
    std::string_view bytes;
};
constexpr std::array<JisForm, 9> kJisForms{{
    {0x00A2, "\x81\x91"},
    {0x00A3, "\x81\x92"},
    {0x00A5, "\x5C"},
    {0x00AC, "\x81\xCA"},
    {0x2014, "\x81\x5C"},
    {0x2016, "\x81\x61"},
    {0x203E, "\x7E"},
    {0x2212, "\x81\x7C"},
    {0x301C, "\x81\x60"},
}};

// Language tags (U+E0000 to U+E007F) carry no text of their own and are left out.
constexpr char32_t kFirstTag = 0xE0000;
constexpr char32_t kLastTag = 0xE007F;

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Single bytes that the system's table maps to code points although they are no
// character of code page 932.
bool IsUndefinedSingleByte(unsigned char byte) {
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

// The length of the code page 932 character `rest` starts with, judged by its lead byte.
std::size_t CodePage932Length(std::string_view rest) {
    return IsLeadByte(static_cast<unsigned char>(rest.front())) && rest.size() >= 2 ? 2 : 1;
}

// The length of the UTF-8 character `rest` starts with, judged by its lead byte.
std::size_t Utf8Length(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, rest.size());
}

// `bytes` in UTF-16; none when the code page refuses any of them.
std::optional<std::wstring> StrictlyWidened(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return std::wstring();
    }
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int size = static_cast<int>(bytes.size());
    const int length =
        ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(),
                              length) != length) {
        return std::nullopt;
    }
    return wide;
}

// `wide` in code page 932 without best fits; none when a character is not in it.
std::optional<std::string> StrictlyNarrowed(std::wstring_view wide) {
    if (wide.empty()) {
        return std::string();
    }
    if (wide.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int size = static_cast<int>(wide.size());
    BOOL defaultUsed = FALSE;
    const int length = ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                             nullptr, 0, "?", &defaultUsed);
    if (length <= 0 || defaultUsed) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(),
                              length, "?", &defaultUsed) != length ||
        defaultUsed) {
        return std::nullopt;
    }
    return bytes;
}

// Whether no character of `bytes` is a single byte code page 932 leaves undefined.
bool HasOnlyDefinedSingleBytes(std::string_view bytes) {
    while (!bytes.empty()) {
        if (IsUndefinedSingleByte(static_cast<unsigned char>(bytes.front()))) {
            return false;
        }
        bytes.remove_prefix(CodePage932Length(bytes));
    }
    return true;
}

char32_t CodePointOf(std::wstring_view character) {
    if (character.size() == 2) {
        return 0x10000 + ((static_cast<char32_t>(character[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(character[1]) - 0xDC00);
    }
    return character.empty() ? 0 : static_cast<char32_t>(character[0]);
}

// One whole UTF-8 character, already widened, in code page 932; none when the code
// page lacks it.
std::optional<std::string> EncodedCharacter(std::wstring_view character) {
    const char32_t codePoint = CodePointOf(character);
    if (codePoint >= kFirstTag && codePoint <= kLastTag) {
        return std::string();
    }
    for (const JisForm& form : kJisForms) {
        if (form.codePoint == codePoint) {
            return std::string(form.bytes);
        }
    }
    std::optional<std::string> bytes = StrictlyNarrowed(character);
    if (bytes && !HasOnlyDefinedSingleBytes(*bytes)) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::string DecodeCodePage932(std::string_view bytes) {
    if (HasOnlyDefinedSingleBytes(bytes)) {
        if (const std::optional<std::wstring> whole = StrictlyWidened(kCodePage932, bytes)) {
            return win32::Narrow(*whole);
        }
    }
    std::wstring text;
    while (!bytes.empty()) {
        const std::size_t length = CodePage932Length(bytes);
        std::optional<std::wstring> character;
        if (!IsUndefinedSingleByte(static_cast<unsigned char>(bytes.front()))) {
            character = StrictlyWidened(kCodePage932, bytes.substr(0, length));
        }
        if (character) {
            text += *character;
            bytes.remove_prefix(length);
        } else {
            text += kReplacementCharacter;
            bytes.remove_prefix(1);
        }
    }
    return win32::Narrow(text);
}

std::string EncodeCodePage932(std::string_view utf8, bool& replaced) {
    replaced = false;
    if (const std::optional<std::wstring> wide = StrictlyWidened(CP_UTF8, utf8)) {
        std::optional<std::string> whole = StrictlyNarrowed(*wide);
        if (whole && HasOnlyDefinedSingleBytes(*whole)) {
            return std::move(*whole);
        }
    }
    std::string bytes;
    while (!utf8.empty()) {
        const std::size_t length = Utf8Length(utf8);
        const std::optional<std::wstring> character =
            StrictlyWidened(CP_UTF8, utf8.substr(0, length));
        std::optional<std::string> encoded;
        if (character) {
            encoded = EncodedCharacter(*character);
        }
        if (encoded && !encoded->empty()) {
            bytes += *encoded;
        } else {
            if (!encoded) {
                bytes += kUnencodable;
            }
            replaced = true;
        }
        utf8.remove_prefix(character ? length : 1);
    }
    return bytes;
}

}  // namespace zelvo
