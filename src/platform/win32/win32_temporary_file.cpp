#include "platform/win32/win32_temporary_file.h"

#include <atomic>

namespace zelvo {
namespace {

// Names already taken are passed over; this many in a row mean something else is wrong.
constexpr int kNamesTried = 100;

std::atomic<unsigned> madeFiles{0};

std::wstring CandidateName(const std::wstring& folder) {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') {
        path += L'\\';
    }
    return path + L".zelvo-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(madeFiles.fetch_add(1)) + L"-" + std::to_wstring(counter.QuadPart) +
           L".tmp";
}

}  // namespace

HANDLE NewTemporaryFile(const std::wstring& folder, DWORD flagsAndAttributes, std::wstring& path) {
    for (int tries = 0; tries < kNamesTried; ++tries) {
        path = CandidateName(folder);
        const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                          CREATE_NEW, flagsAndAttributes, nullptr);
        const DWORD error = ::GetLastError();
        if (file != INVALID_HANDLE_VALUE ||
            (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace zelvo
