#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// Replaces the file at `path` ("/" or "\" separators) with `bytes` so that a crash or
// a full disk never leaves a half-written file: the bytes go to a temporary file in
// the same folder, which is flushed to disk and then moved over the target. On any
// failure the old file stays as it was and the temporary file is removed. False when
// nothing was replaced.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace zelvo
