#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session/command_line.h"

namespace zelvo {

class Form2;

// What a second start asks of the Zelvo already running.
enum class InstanceRequest { Show, Toggle, Quit };

// The request a command hands to the running Zelvo: a plain start shows its bar.
InstanceRequest RequestOf(CommandKind kind);

// Carries out a request that reached the running Zelvo with the model call the same
// wish makes from its menus or its hot key.
void CarryOut(InstanceRequest request, Form2& dialog);

// What a later start says when the running Zelvo does not answer, or when --quit
// finds none.
inline constexpr std::string_view kNoAnswerText = "zelvo: the running Zelvo does not answer\n";
inline constexpr std::string_view kNoneRunningText = "zelvo: no Zelvo is running\n";

// A request travels as one word and a line feed; the running Zelvo answers "ok"
// and a line feed once it has acted on it.
inline constexpr std::size_t kMaxRequestBytes = 64;
inline constexpr std::string_view kRequestAnswer = "ok\n";

inline std::string RequestLine(InstanceRequest request) {
    switch (request) {
        case InstanceRequest::Show:
            return "show\n";
        case InstanceRequest::Toggle:
            return "toggle\n";
        case InstanceRequest::Quit:
            return "quit\n";
    }
    return {};
}

// The request a whole line (without its line feed) names; none for anything else.
inline std::optional<InstanceRequest> ParseRequestLine(std::string_view line) {
    for (const InstanceRequest request :
         {InstanceRequest::Show, InstanceRequest::Toggle, InstanceRequest::Quit}) {
        const std::string word = RequestLine(request);
        if (line == std::string_view(word).substr(0, word.size() - 1)) {
            return request;
        }
    }
    return std::nullopt;
}

}  // namespace zelvo
