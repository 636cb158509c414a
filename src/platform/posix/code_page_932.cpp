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

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character `rest` starts with; 1 for a byte that
// starts none (a stray continuation, a bad lead, a lead without its continuations,
// an over-long form or a surrogate), so that only that byte is replaced.
std::size_t Utf8CharacterLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    std::size_t length = 1;
    unsigned char low = 0x80;  // the range the second byte must lie in
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    if (rest.size() < length) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(rest[1]);
    if (second < low || second > high) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(rest[i]))) {
            return 1;
        }
    }
    return length;
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
        const std::size_t skipped = std::min(skip(std::string_view(in, inLeft)), inLeft);
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
                   [](std::string_view) -> std::size_t { return 1; });
}

std::string EncodeCodePage932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, "?", &Utf8CharacterLength);
}

std::string UnencodableCharacters(std::string_view utf8) {
    std::string refused;
    Convert("CP932", "UTF-8", utf8, "", [&refused](std::string_view rest) {
        const std::size_t length = std::min(Utf8CharacterLength(rest), rest.size());
        const std::string_view character = rest.substr(0, length);
        if (refused.find(character) == std::string::npos) {
            refused.append(character);
        }
        return length;
    });
    return refused;
}

}  // namespace zelvo
