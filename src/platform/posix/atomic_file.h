#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelvo {

// Replaces the file at `path` with `bytes` so that a crash or a full disk never
// leaves a half-written file: the bytes go to a temporary file in the same folder,
// which is flushed and renamed over the target, and the folder is synced. A path
// that is a symbolic link keeps the link: its final target is replaced. A new file
// gets the usual mode, a replaced one keeps its own. False when nothing was replaced.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace zelvo
