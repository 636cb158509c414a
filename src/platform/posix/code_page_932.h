#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// Conversions between UTF-8 and code page 932 (Shift_JIS with the Microsoft
// extensions) through iconv. Neither fails: undecodable bytes become U+FFFD and
// unencodable characters "?".
std::string DecodeCodePage932(std::string_view bytes);
std::string EncodeCodePage932(std::string_view utf8);
// The characters of `utf8` that code page 932 lacks (and bytes that start no UTF-8
// character), each once, in the order they come.
std::string UnencodableCharacters(std::string_view utf8);

}  // namespace zelvo
