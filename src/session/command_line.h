#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// What the command line asks for.
enum class CommandKind { Start, Show, Toggle, Quit, Help, Version, Wrong };

struct Command {
    CommandKind kind = CommandKind::Start;
    std::string problem;  // for Wrong: what was wrong, one line
};

// Reads the arguments (the program name first). At most one of --show, --toggle and
// --quit; no other arguments. An option may be written with one dash (-show) or
// two, and --help and --version win over the rest.
Command ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text, for standard output (or standard error after a mistake).
std::string UsageText();
// The --version text.
std::string VersionText();

// What the program prints for a command it answers by itself, without starting or
// reaching a running Zelvo.
struct CommandLineAnswer {
    std::string text;
    bool error = false;  // for standard error rather than standard output
    int status = 0;      // the exit status
};

// The answer to --help, --version or a wrong command line; none for a command that
// starts Zelvo or goes to the Zelvo already running.
std::optional<CommandLineAnswer> AnswerCommandLine(const Command& command);

// Whether the bar is shown at once when this command starts Zelvo.
bool ShowsBarAtStart(CommandKind kind);

}  // namespace zelvo
