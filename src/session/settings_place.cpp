#include "session/settings_place.h"

#include <algorithm>

namespace zelvo {
namespace {

bool IsAbsolutePosix(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// "C:/..." or "C:\...", or a UNC path.
bool IsAbsoluteWindows(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && (path[2] == '/' || path[2] == '\\')) {
        return true;
    }
    return path.size() >= 2 && (path[0] == '/' || path[0] == '\\') &&
           (path[1] == '/' || path[1] == '\\');
}

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    while (joined.size() > 1 && joined.back() == '/') {
        joined.pop_back();
    }
    if (joined.empty() || joined.back() != '/') {
        joined += '/';
    }
    joined += name;
    return joined;
}

bool IsPortableFolder(const std::string& programFolder, const PathCheck& exists) {
    return exists(JoinPath(programFolder, kSettingsFileName)) ||
           exists(JoinPath(programFolder, kPortableMarker));
}

std::string PosixUserSettingsFolder(const Environment& environment) {
    const std::optional<std::string> config = environment("XDG_CONFIG_HOME");
    if (config && IsAbsolutePosix(*config)) {
        return JoinPath(*config, "zelvo");
    }
    return JoinPath(JoinPath(environment("HOME").value_or("/"), ".config"), "zelvo");
}

std::string WindowsUserSettingsFolder(const Environment& environment) {
    const std::optional<std::string> appData = environment("APPDATA");
    if (appData && IsAbsoluteWindows(*appData)) {
        return JoinPath(WithSlashes(*appData), "Zelvo");
    }
    const std::string profile =
        WithSlashes(environment("USERPROFILE").value_or("C:/Users/Default"));
    return JoinPath(JoinPath(profile, "AppData/Roaming"), "Zelvo");
}

std::string SettingsFileFor(bool portable, bool programFolderWritable,
                            const std::string& programFolder, const std::string& userFolder) {
    if (portable && programFolderWritable) {
        return JoinPath(programFolder, kSettingsFileName);
    }
    return JoinPath(userFolder, kSettingsFileName);
}

}  // namespace zelvo
