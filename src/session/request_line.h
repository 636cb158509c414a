#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "session/instance_request.h"

namespace zelvo {

// A request travels as one line: a word ("show", "toggle", "quit"), or "enter", a
// blank and the expression; a line feed ends it. The running Zelvo answers "ok" and a
// line feed once it has taken the request.
inline constexpr std::size_t kMaxRequestBytes = 1024;
inline constexpr std::string_view kRequestAnswer = "ok\n";
inline constexpr std::string_view kEnterWord = "enter ";
// The longest expression an enter request carries, in bytes.
inline constexpr std::size_t kMaxEnteredBytes = kMaxRequestBytes - kEnterWord.size() - 1;

// Whether `text` may travel as the expression of an enter request: UTF-8 of at most
// kMaxEnteredBytes bytes without control characters (line feeds, tabs, C1 codes).
bool IsEnterableText(std::string_view text);

// The line of `request`, its line feed included. An expression that is not
// enterable is turned away on the command line and never gets here.
std::string RequestLine(const InstanceRequest& request);

// The request a whole line (without its line feed) names; none for anything else.
std::optional<InstanceRequest> ParseRequestLine(std::string_view line);

}  // namespace zelvo
