#pragma once

#include <string>
#include <string_view>

namespace zelvo::win32 {

// UTF-8, the text of the models, to and from UTF-16, the text of the W functions.
// Invalid UTF-8 becomes U+FFFD; an unpaired surrogate too.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A path of the models ("/" separators) as the Win32 calls write it ("\").
std::wstring WindowsPath(std::string_view path);
// A path from a Win32 call as the models write it.
std::string ModelPath(std::wstring_view path);

}  // namespace zelvo::win32
