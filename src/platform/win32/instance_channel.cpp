#include "platform/win32/instance_channel.h"

#include <string_view>

namespace zelvo::win32 {
namespace {

constexpr int kTries = 50;
constexpr DWORD kTryPauseMs = 100;
constexpr UINT kAnswerTimeoutMs = 10000;

}  // namespace

InstanceMutex::~InstanceMutex() {
    if (mutex_ != nullptr) {
        ::CloseHandle(mutex_);
    }
}

bool InstanceMutex::TryAcquire(const wchar_t* name) {
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name);
    if (mutex == nullptr) {
        return false;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

HandOver SendToRunning(const InstanceRequest& request, const wchar_t* windowClass) {
    const std::string line = RequestLine(request);
    COPYDATASTRUCT data{};
    data.dwData = kRequestMark;
    data.cbData = static_cast<DWORD>(line.size());
    data.lpData = const_cast<char*>(line.data());
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (HWND window = ::FindWindowW(windowClass, nullptr)) {
            DWORD_PTR answer = 0;
            const LRESULT sent =
                ::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                      SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &answer);
            return sent != 0 && answer == static_cast<DWORD_PTR>(kRequestDone) ? HandOver::Delivered
                                                                               : HandOver::NoAnswer;
        }
        ::Sleep(kTryPauseMs);
    }
    return HandOver::NoAnswer;
}

std::optional<InstanceRequest> RequestIn(const COPYDATASTRUCT& data) {
    if (data.dwData != kRequestMark || data.lpData == nullptr || data.cbData == 0 ||
        data.cbData > kMaxRequestBytes) {
        return std::nullopt;
    }
    std::string_view line(static_cast<const char*>(data.lpData), data.cbData);
    if (line.back() != '\n') {
        return std::nullopt;
    }
    line.remove_suffix(1);
    return ParseRequestLine(line);
}

}  // namespace zelvo::win32
