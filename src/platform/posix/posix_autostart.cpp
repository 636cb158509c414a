#include "platform/posix/posix_autostart.h"

#include <sys/stat.h>

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/posix/atomic_file.h"

namespace zelvo {
namespace {

constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

// Panels that start before their tray is ready get a moment, and those that know
// the key wait for it.
std::string EntryText(const std::string& program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zelvo\n"
           "Comment=Length unit converter bar\n"
           "Comment[ja]=長さの単位換算バー\n"
           "Exec=" +
           DesktopExecValue(program) +
           "\n"
           "Icon=zelvo\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-Delay=3\n"
           "X-KDE-autostart-after=panel\n"
           "X-LXQt-Need-Tray=true\n";
}

}  // namespace

// Inside double quotes ", `, $ and \ take a backslash; the value's own escaping then
// doubles every backslash, and % is doubled as a field code would be.
std::string DesktopExecValue(const std::string& program) {
    const bool quoted = program.find_first_of(kReservedInExec) != std::string::npos;
    std::string value = quoted ? "\"" : "";
    for (const char character : program) {
        if (quoted && (character == '"' || character == '`' || character == '$')) {
            value += "\\\\";
        } else if (quoted && character == '\\') {
            value += R"(\\\)";
        } else if (character == '%') {
            value += '%';
        }
        value += character;
    }
    if (quoted) {
        value += '"';
    }
    return value;
}

bool PosixAutostart::IsEnabled() const {
    std::error_code error;
    return std::filesystem::exists(paths_.AutostartEntry(), error);
}

bool PosixAutostart::Enable() {
    const std::filesystem::path entry = paths_.AutostartEntry();
    std::error_code error;
    std::filesystem::create_directories(entry.parent_path(), error);
    return !error && WriteFileAtomically(entry.string(), EntryText(paths_.Executable()));
}

bool PosixAutostart::Disable() {
    std::error_code error;
    std::filesystem::remove(paths_.AutostartEntry(), error);
    return !IsEnabled();
}

}  // namespace zelvo
