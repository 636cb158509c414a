#pragma once

#include <optional>
#include <string>

#include "platform/win32/windows_api.h"
#include "session/request_line.h"

namespace zelvo::win32 {

// One Zelvo per user session: the first holds a named mutex in the session's own
// namespace; a later start finds the running Zelvo's control window and hands it its
// request as a WM_COPYDATA message, which the running Zelvo answers once it has acted.

inline constexpr wchar_t kInstanceMutexName[] = L"Local\\org.zelvo.Zelvo.instance";
inline constexpr wchar_t kControlWindowClass[] = L"ZelvoControl";
// Marks a WM_COPYDATA message as a request of the instance channel.
inline constexpr ULONG_PTR kRequestMark = 0x5A454C56;
// What the running Zelvo answers a request it carried out.
inline constexpr LRESULT kRequestDone = 1;

// The mutex that makes this process the session's Zelvo; the system lets go of it
// when the process ends, however it ends.
class InstanceMutex {
  public:
    InstanceMutex() = default;
    ~InstanceMutex();
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

    // False while another process of the session holds it.
    bool TryAcquire(const wchar_t* name = kInstanceMutexName);

  private:
    HANDLE mutex_ = nullptr;
};

enum class HandOver { Delivered, NoAnswer };

// Gives `request` to the control window of class `windowClass` and waits for its
// answer; while the mutex's holder is still starting (no window yet) it tries again
// for a few seconds before it gives up.
HandOver SendToRunning(const InstanceRequest& request,
                       const wchar_t* windowClass = kControlWindowClass);

// The request a WM_COPYDATA message carries; none for anything else, so that another
// program's message does nothing.
std::optional<InstanceRequest> RequestIn(const COPYDATASTRUCT& data);

}  // namespace zelvo::win32
