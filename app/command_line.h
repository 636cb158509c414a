#pragma once

#include <QStringList>
#include <string>

namespace zelvo {

// What the command line asks for.
enum class CommandKind { Start, Show, Toggle, Quit, Help, Version, Wrong };

struct Command {
    CommandKind kind = CommandKind::Start;
    std::string problem;  // for Wrong: what was wrong, one line
};

// Reads the arguments (the program name first). At most one of --show, --toggle and
// --quit; no other arguments.
Command ParseCommandLine(const QStringList& arguments);

// The --help text, for standard output (or standard error after a mistake).
std::string UsageText();
// The --version text.
std::string VersionText();

}  // namespace zelvo
