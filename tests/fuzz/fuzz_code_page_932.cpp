// Code page 932 both ways. Encoded bytes decode and encode back to themselves; a
// decoded text encodes and decodes back to itself but for the replacement characters
// of bytes that started no character, which the code page lacks and writes as "?".
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/posix/code_page_932.h"

namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    using zelvo::DecodeCodePage932;
    using zelvo::EncodeCodePage932;
    const std::string decoded = DecodeCodePage932(bytes);
    std::string expected;
    for (std::size_t i = 0; i < decoded.size();) {
        if (decoded.compare(i, kReplacement.size(), kReplacement) == 0) {
            expected += '?';
            i += kReplacement.size();
        } else {
            expected += decoded[i++];
        }
    }
    if (DecodeCodePage932(EncodeCodePage932(decoded)) != expected) {
        std::abort();
    }
    const std::string encoded = EncodeCodePage932(bytes);
    if (EncodeCodePage932(DecodeCodePage932(encoded)) != encoded) {
        std::abort();
    }
    return 0;
}
