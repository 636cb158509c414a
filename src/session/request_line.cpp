#include "session/request_line.h"

#include <array>
#include <utility>

namespace zelvo {
namespace {

constexpr std::array<std::pair<RequestVerb, std::string_view>, 3> kWords = {{
    {RequestVerb::Show, "show"},
    {RequestVerb::Toggle, "toggle"},
    {RequestVerb::Quit, "quit"},
}};

// The code point of the UTF-8 character at `at`, and its length in bytes; a length of
// 0 for bytes that are no character (stray or missing continuation bytes, overlong
// forms, surrogates, values above U+10FFFF).
struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size()) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return {};
        }
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {};
    }
    return {codePoint, length};
}

bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace

bool IsEnterableText(std::string_view text) {
    if (text.size() > kMaxEnteredBytes) {
        return false;
    }
    for (std::size_t at = 0; at < text.size();) {
        const Decoded character = DecodeAt(text, at);
        if (character.length == 0 || IsControl(character.codePoint)) {
            return false;
        }
        at += character.length;
    }
    return true;
}

std::string RequestLine(const InstanceRequest& request) {
    if (request.verb == RequestVerb::Enter) {
        return std::string(kEnterWord) + request.text + "\n";
    }
    for (const auto& [verb, word] : kWords) {
        if (verb == request.verb) {
            return std::string(word) + "\n";
        }
    }
    return {};
}

std::optional<InstanceRequest> ParseRequestLine(std::string_view line) {
    if (line.substr(0, kEnterWord.size()) == kEnterWord) {
        const std::string_view text = line.substr(kEnterWord.size());
        if (!IsEnterableText(text)) {
            return std::nullopt;
        }
        return InstanceRequest(RequestVerb::Enter, std::string(text));
    }
    for (const auto& [verb, word] : kWords) {
        if (line == word) {
            return InstanceRequest(verb);
        }
    }
    return std::nullopt;
}

}  // namespace zelvo
