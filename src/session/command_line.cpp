#include "session/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "conversion/conversion_choice.h"
#include "session/length_terms.h"
#include "session/request_line.h"

namespace zelvo {
namespace {

struct Option {
    std::string_view name;
    bool takesValue;
};

constexpr std::array<Option, 10> kOptions = {{{"show", false},
                                              {"toggle", false},
                                              {"quit", false},
                                              {"help", false},
                                              {"version", false},
                                              {"convert", true},
                                              {"decimals", true},
                                              {"ppi", true},
                                              {"enter", true},
                                              {"search-provider", false}}};

// An option as written: its name, and the value given with "=" to an option that
// takes one.
struct Written {
    const Option* option = nullptr;
    std::optional<std::string> value;
};

// The option an argument names ("--show", "-show", "--ppi=120", or -c for --convert);
// no option for anything else.
Written OptionWritten(std::string_view argument) {
    if (argument == "-c") {
        return {&kOptions[5], std::nullopt};
    }
    if (argument.substr(0, 2) == "--") {
        argument.remove_prefix(2);
    } else if (argument.substr(0, 1) == "-" && argument.size() > 1) {
        argument.remove_prefix(1);
    } else {
        return {};
    }
    const std::size_t equals = argument.find('=');
    for (const Option& option : kOptions) {
        if (argument == option.name) {
            return {&option, std::nullopt};
        }
        if (option.takesValue && equals != std::string_view::npos &&
            argument.substr(0, equals) == option.name) {
            return {&option, std::string(argument.substr(equals + 1))};
        }
    }
    return {};
}

std::optional<int> DecimalsGiven(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int decimals = 0;
    for (const char digit : text) {
        decimals = decimals * 10 + (digit - '0');
    }
    if (decimals < kFewestDecimals || decimals > kMostDecimals) {
        return std::nullopt;
    }
    return decimals;
}

// Digits with at most one point, as the settings' density box takes them, above 0.
bool IsDensity(const std::string& text) {
    return IsWellFormedNumber(text) &&
           std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& arguments) {
    bool show = false;
    bool toggle = false;
    bool quit = false;
    bool help = false;
    bool version = false;
    bool searchProvider = false;
    std::optional<std::string> expression;
    std::optional<std::string> decimals;
    std::optional<std::string> ppi;
    std::optional<std::string> entered;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        Written written = OptionWritten(argument);
        if (written.option == nullptr) {
            if (!argument.empty() && argument.front() == '-') {
                return {CommandKind::Wrong, "Unknown option '" + argument + "'."};
            }
            return {CommandKind::Wrong, "unexpected argument '" + argument + "'"};
        }
        const std::string_view name = written.option->name;
        if (written.option->takesValue && !written.value) {
            if (i + 1 == arguments.size()) {
                return {CommandKind::Wrong, "option '" + argument + "' needs a value"};
            }
            written.value = arguments[++i];
        }
        if (name == "convert" && expression) {
            return {CommandKind::Wrong, "one --convert at a time"};
        }
        if (name == "enter" && entered) {
            return {CommandKind::Wrong, "one --enter at a time"};
        }
        show = show || name == "show";
        toggle = toggle || name == "toggle";
        quit = quit || name == "quit";
        help = help || name == "help";
        version = version || name == "version";
        searchProvider = searchProvider || name == "search-provider";
        if (name == "convert") {
            expression = written.value;
        } else if (name == "decimals") {
            decimals = written.value;
        } else if (name == "ppi") {
            ppi = written.value;
        } else if (name == "enter") {
            entered = written.value;
        }
    }
    if (help) {
        return {CommandKind::Help, {}};
    }
    if (version) {
        return {CommandKind::Version, {}};
    }
    if ((show ? 1 : 0) + (toggle ? 1 : 0) + (quit ? 1 : 0) + (expression ? 1 : 0) +
            (entered ? 1 : 0) + (searchProvider ? 1 : 0) >
        1) {
        return {CommandKind::Wrong,
                "--show, --toggle, --quit, --convert, --enter and "
                "--search-provider exclude each other"};
    }
    if (expression) {
        Command convert{CommandKind::Convert, {}, *expression};
        if (decimals) {
            convert.decimals = DecimalsGiven(*decimals);
            if (!convert.decimals) {
                return {CommandKind::Wrong,
                        "--decimals takes a whole number from 0 to 10, not '" + *decimals + "'"};
            }
        }
        if (ppi && !IsDensity(*ppi)) {
            return {CommandKind::Wrong,
                    "--ppi takes pixels per inch above 0, such as 96 or 150, not '" + *ppi + "'"};
        }
        convert.ppi = ppi;
        return convert;
    }
    if (decimals || ppi) {
        return {CommandKind::Wrong, "--decimals and --ppi go with --convert"};
    }
    if (entered) {
        if (!IsEnterableText(*entered)) {
            return {CommandKind::Wrong, "--enter takes one line of text of at most " +
                                            std::to_string(kMaxEnteredBytes) +
                                            " bytes, without control characters"};
        }
        return {CommandKind::Enter, {}, *entered};
    }
    if (searchProvider) {
        return {CommandKind::SearchProvider, {}};
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
           "  or:  zelvo --convert EXPRESSION [--decimals N] [--ppi N]\n"
           "Convert lengths between mm, Q, points, inches, pixels and twips on a slim bar.\n"
           "\n"
           "      --show          show the bar and bring it to the front\n"
           "      --toggle        do what the hot key does: show a hidden bar, bring a bar\n"
           "                        behind other windows to the front, hide a bar in front\n"
           "      --quit          end the running Zelvo, writing its settings\n"
           "  -c, --convert EXPRESSION\n"
           "                      print the length in all six units, one \"VALUE UNIT\" line\n"
           "                        each (mm, Q, pt, in, px, twip), with the decimals and\n"
           "                        pixel density of the settings; needs no display and\n"
           "                        leaves a running Zelvo alone\n"
           "      --decimals N    with --convert: N decimals (0 to 10) instead\n"
           "      --ppi N         with --convert: N pixels per inch instead\n"
           "      --enter EXPRESSION\n"
           "                      show the bar with EXPRESSION in its expression box,\n"
           "                        converted as if typed there and Enter pressed: what\n"
           "                        cannot be converted gets the bar's own notice\n"
           "      --search-provider\n"
           "                      answer GNOME Shell's search and KRunner on the session\n"
           "                        bus (the bus starts it; it ends after a minute idle)\n"
           "      --help          display this help and exit\n"
           "      --version       output version information and exit\n"
           "\n"
           "EXPRESSION is what the bar's expression box takes, a number alone being\n"
           "millimetres (25.4, 10+5q, 3*2.8353); unit words may stand for the letters\n"
           "(mm, q, pt, point, in, inch, \", px, pixel, twip), and so may the Japanese names\n"
           "(ミリ, 級, ポイント, インチ, ピクセル, ツイップ): 10pt is ten points. An\n"
           "expression that --convert cannot convert is told on standard error in the\n"
           "words of the bar's notice, with exit status 1.\n"
           "\n"
           "Without an option Zelvo starts, or shows the bar of the Zelvo already running.\n"
           "--show, --toggle and --enter start Zelvo with its bar shown when none is\n"
           "running.\n";
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
