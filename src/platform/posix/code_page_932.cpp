#include "platform/posix/code_page_932.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <type_traits>

namespace zelvo {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

struct IconvCloser {
    void operator()(iconv_t handle) const { iconv_close(handle); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// The length of the UTF-8 sequence a lead byte starts; 1 for a stray byte.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead < 0xF0 ? 3 : 1;
    }
    return lead >= 0xC0 ? 2 : 1;
}

// Converts all of `input`; on a sequence the converter refuses, appends
// `replacement` and skips as many bytes as `skip` says, then goes on.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, Skip skip) {
    std::string output;
    const Converter converter(iconv_open(to, from));
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's documented failure value
    if (converter.get() == reinterpret_cast<iconv_t>(-1)) {
        return output;
    }
    std::array<char, 4096> chunk{};
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        output.append(chunk.data(), chunk.size() - outLeft);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) {
            continue;
        }
        const std::size_t skipped = std::min(skip(static_cast<unsigned char>(*in)), inLeft);
        in += skipped;
        inLeft -= skipped;
        output.append(replacement);
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

}  // namespace

std::string DecodeCodePage932(std::string_view bytes) {
    return Convert("UTF-8", "CP932", bytes, kReplacementCharacter,
                   [](unsigned char) -> std::size_t { return 1; });
}

std::string EncodeCodePage932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, "?", &Utf8Length);
}

}  // namespace zelvo
