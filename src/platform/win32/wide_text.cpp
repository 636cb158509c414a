#include "platform/win32/wide_text.h"

#include <algorithm>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    if (length > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    }
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf16.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(length, 0)), '\0');
    if (length > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr,
                              nullptr);
    }
    return narrow;
}

std::wstring WindowsPath(std::string_view path) {
    std::wstring wide = Widen(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

std::string ModelPath(std::wstring_view path) {
    std::string narrow = Narrow(path);
    std::replace(narrow.begin(), narrow.end(), '\\', '/');
    return narrow;
}

}  // namespace zelvo::win32
