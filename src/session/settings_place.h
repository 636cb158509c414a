#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// Looks up an environment variable; nullopt when it is not set.
using Environment = std::function<std::optional<std::string>(const char* name)>;
// Whether a file or folder exists at a path.
using PathCheck = std::function<bool(const std::string& path)>;

inline constexpr std::string_view kSettingsFileName = "setting.ini";
inline constexpr std::string_view kPortableMarker = "portable";

// `name` inside `folder`, joined with "/", the separator of every path inside Zelvo.
std::string JoinPath(std::string_view folder, std::string_view name);

// A program is portable when its folder holds setting.ini or a file named "portable":
// it then keeps its settings and skins in its own folder.
bool IsPortableFolder(const std::string& programFolder, const PathCheck& exists);

// The user's own settings folder: $XDG_CONFIG_HOME/zelvo when that variable holds an
// absolute path, else $HOME/.config/zelvo.
std::string PosixUserSettingsFolder(const Environment& environment);

// The user's own settings folder on Windows: %APPDATA%\Zelvo, with "/" separators;
// %USERPROFILE%\AppData\Roaming stands in for an unset APPDATA.
std::string WindowsUserSettingsFolder(const Environment& environment);

// Where setting.ini lives: beside a portable program whose folder can be written,
// else in the user's settings folder, so that a program in a folder the user may not
// write to still keeps its settings.
std::string SettingsFileFor(bool portable, bool programFolderWritable,
                            const std::string& programFolder, const std::string& userFolder);

}  // namespace zelvo
