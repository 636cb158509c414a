#include "app/command_line.h"

#include <QCommandLineParser>

namespace zelvo {

Command ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption show(QStringLiteral("show"));
    const QCommandLineOption toggle(QStringLiteral("toggle"));
    const QCommandLineOption quit(QStringLiteral("quit"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({show, toggle, quit, help, version});
    if (!parser.parse(arguments)) {
        return {CommandKind::Wrong, parser.errorText().toStdString()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandKind::Wrong,
                "unexpected argument '" + parser.positionalArguments().front().toStdString() + "'"};
    }
    if (parser.isSet(help)) {
        return {CommandKind::Help, {}};
    }
    if (parser.isSet(version)) {
        return {CommandKind::Version, {}};
    }
    const int commands = (parser.isSet(show) ? 1 : 0) + (parser.isSet(toggle) ? 1 : 0) +
                         (parser.isSet(quit) ? 1 : 0);
    if (commands > 1) {
        return {CommandKind::Wrong, "--show, --toggle and --quit exclude each other"};
    }
    if (parser.isSet(show)) {
        return {CommandKind::Show, {}};
    }
    if (parser.isSet(toggle)) {
        return {CommandKind::Toggle, {}};
    }
    if (parser.isSet(quit)) {
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

}  // namespace zelvo
