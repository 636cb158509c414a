#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// What the command line asks for.
enum class CommandKind {
    Start,
    Show,
    Toggle,
    Quit,
    Help,
    Version,
    Convert,
    Enter,
    SearchProvider,
    Wrong
};

struct Command {
    CommandKind kind = CommandKind::Start;
    std::string problem;  // for Wrong: what was wrong, one line

    // For Convert and Enter: the expression; for Convert, the decimals and the pixel
    // density given for it instead of the stored ones.
    std::string expression;
    std::optional<int> decimals;
    std::optional<std::string> ppi;
};

// Reads the arguments (the program name first). At most one of --show, --toggle and
// --quit; or --convert EXPRESSION (-c EXPRESSION) with --decimals N (0 to 10) and
// --ppi N (pixels per inch above 0) if wanted; or --enter EXPRESSION (one line of
// text that an instance request can carry); no other arguments. An option may be
// written with one dash (-show) or two; one that takes a value takes the next
// argument or what follows "=" (--ppi=120). --help and --version win over the rest.
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

// The answer to --help, --version or a wrong command line; none for --convert and for
// a command that starts Zelvo or goes to the Zelvo already running.
std::optional<CommandLineAnswer> AnswerCommandLine(const Command& command);

// Whether the bar is shown at once when this command starts Zelvo.
bool ShowsBarAtStart(CommandKind kind);

}  // namespace zelvo
