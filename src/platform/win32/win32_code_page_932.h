#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// Conversions between UTF-8 and code page 932 (Shift_JIS with the Microsoft
// extensions) through the system's own tables. Neither fails, and both give the bytes
// and text the Linux program gives: a byte that starts no character of the code page
// (0x80, 0xA0, 0xFD to 0xFF, a lead byte without its trail) reads as U+FFFD and the
// decoding goes on with the next byte; a character the code page lacks, and each byte
// that starts no UTF-8 character, is written as "?", never as a look-alike.
std::string DecodeCodePage932(std::string_view bytes);
// `replaced` tells whether any character had to be written as "?".
std::string EncodeCodePage932(std::string_view utf8, bool& replaced);

}  // namespace zelvo
