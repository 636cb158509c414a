#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace zelvo {

// Makes a new, empty file with a name no other file in `folder` has, open for writing
// (and for deleting), with `flagsAndAttributes` as CreateFileW takes them. `path`
// receives its full name. INVALID_HANDLE_VALUE when no file can be made there.
HANDLE NewTemporaryFile(const std::wstring& folder, DWORD flagsAndAttributes, std::wstring& path);

}  // namespace zelvo
