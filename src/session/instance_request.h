#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "session/command_line.h"

namespace zelvo {

class Form2;

enum class RequestVerb { Show, Toggle, Quit, Enter };

// What a second start asks of the Zelvo already running: a verb, and for Enter the
// expression as it was written on the command line. A request without text is its
// verb alone, so that a verb stands for it (InstanceRequest::Show).
struct InstanceRequest {
    using enum RequestVerb;

    // NOLINTNEXTLINE(google-explicit-constructor,hicpp-explicit-conversions)
    InstanceRequest(RequestVerb verb = Show, std::string text = {})
        : verb(verb), text(std::move(text)) {}

    RequestVerb verb;
    std::string text;

    bool operator==(const InstanceRequest&) const = default;
};

// The request a command hands to the running Zelvo: a plain start shows its bar.
InstanceRequest RequestOf(const Command& command);

// Carries out a request that reached the running Zelvo with the model calls the same
// wish makes from its menus, its hot key or its expression box.
void CarryOut(const InstanceRequest& request, Form2& dialog);

// Whether the running Zelvo answers `request` as soon as it has taken it rather than
// once it has carried it out: an expression entered may end in a notice that waits
// for the user, and the later start has no reason to wait with it.
bool AnsweredOnReceipt(const InstanceRequest& request);

// What a later start says when the running Zelvo does not answer, or when --quit
// finds none.
inline constexpr std::string_view kNoAnswerText = "zelvo: the running Zelvo does not answer\n";
inline constexpr std::string_view kNoneRunningText = "zelvo: no Zelvo is running\n";

}  // namespace zelvo
