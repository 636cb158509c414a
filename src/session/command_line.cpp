#include "session/command_line.h"

#include <array>
#include <string_view>

namespace zelvo {
namespace {

constexpr std::array<std::string_view, 5> kOptions = {"show", "toggle", "quit", "help", "version"};

// The option an argument names ("--show" or "-show"); empty for anything else.
std::string_view OptionNamed(std::string_view argument) {
    if (argument.substr(0, 2) == "--") {
        argument.remove_prefix(2);
    } else if (argument.substr(0, 1) == "-" && argument.size() > 1) {
        argument.remove_prefix(1);
    } else {
        return {};
    }
    for (const std::string_view option : kOptions) {
        if (argument == option) {
            return option;
        }
    }
    return {};
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& arguments) {
    bool show = false;
    bool toggle = false;
    bool quit = false;
    bool help = false;
    bool version = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string_view option = OptionNamed(argument);
        if (option.empty()) {
            if (!argument.empty() && argument.front() == '-') {
                return {CommandKind::Wrong, "Unknown option '" + argument + "'."};
            }
            return {CommandKind::Wrong, "unexpected argument '" + argument + "'"};
        }
        show = show || option == "show";
        toggle = toggle || option == "toggle";
        quit = quit || option == "quit";
        help = help || option == "help";
        version = version || option == "version";
    }
    if (help) {
        return {CommandKind::Help, {}};
    }
    if (version) {
        return {CommandKind::Version, {}};
    }
    if ((show ? 1 : 0) + (toggle ? 1 : 0) + (quit ? 1 : 0) > 1) {
        return {CommandKind::Wrong, "--show, --toggle and --quit exclude each other"};
    }
    if (show) {
        return {CommandKind::Show, {}};
    }
    if (toggle) {
        return {CommandKind::Toggle, {}};
    }
    if (quit) {
        return {CommandKind::Quit, {}};
    }
    return {CommandKind::Start, {}};
}

std::string UsageText() {
    return "Usage: zelvo [OPTION]\n"
           "Convert lengths between mm, Q, points, inches, pixels and twips on a slim bar.\n"
           "\n"
           "      --show      show the bar and bring it to the front\n"
           "      --toggle    do what the hot key does: show a hidden bar, bring a bar\n"
           "                    behind other windows to the front, hide a bar in front\n"
           "      --quit      end the running Zelvo, writing its settings\n"
           "      --help      display this help and exit\n"
           "      --version   output version information and exit\n"
           "\n"
           "Without an option Zelvo starts, or shows the bar of the Zelvo already running.\n"
           "--show and --toggle start Zelvo with its bar shown when none is running.\n";
}

std::string VersionText() {
    return "Zelvo " ZELVO_VERSION
           "β\n"
           "Copyright (C) 2026 The Zelvo developers\n";
}

std::optional<CommandLineAnswer> AnswerCommandLine(const Command& command) {
    switch (command.kind) {
        case CommandKind::Help:
            return CommandLineAnswer{UsageText(), false, 0};
        case CommandKind::Version:
            return CommandLineAnswer{VersionText(), false, 0};
        case CommandKind::Wrong:
            return CommandLineAnswer{"zelvo: " + command.problem + "\n" + UsageText(), true, 2};
        default:
            return std::nullopt;
    }
}

bool ShowsBarAtStart(CommandKind kind) {
    return kind == CommandKind::Show || kind == CommandKind::Toggle;
}

}  // namespace zelvo
