#include "platform/win32/win32_shell.h"

#include <shlwapi.h>

#include "platform/win32/wide_text.h"

namespace zelvo {
namespace {

// ShellExecuteW results above this are instance handles: the document was opened.
constexpr INT_PTR kLargestShellError = 32;

std::wstring ExtensionForMimeType(const std::string& mimeType) {
    if (mimeType == "application/vnd.ms-htmlhelp") {
        return L".chm";
    }
    if (mimeType == "text/html") {
        return L".html";
    }
    return {};
}

}  // namespace

bool Win32Shell::OpenDocument(const std::string& path) {
    const HINSTANCE result = ::ShellExecuteW(owner_, nullptr, win32::WindowsPath(path).c_str(),
                                             nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > kLargestShellError;
}

bool Win32Shell::HasHandlerFor(const std::string& mimeType) {
    const std::wstring extension = ExtensionForMimeType(mimeType);
    if (extension.empty()) {
        return false;
    }
    DWORD length = 0;
    const HRESULT found =
        ::AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE,
                            extension.c_str(), nullptr, nullptr, &length);
    return (found == S_OK || found == S_FALSE) && length > 1;
}

}  // namespace zelvo
