#pragma once

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// A kernel object handle (a file, a process, a thread), closed when it goes. Both
// null and INVALID_HANDLE_VALUE stand for no handle.
class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle) noexcept : handle_(handle) {}
    ~UniqueHandle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const noexcept { return handle_; }
    bool valid() const noexcept { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    // Closes the handle now; false when closing failed (a write that was not finished).
    bool Close() noexcept {
        const bool closed = !valid() || ::CloseHandle(handle_) != 0;
        handle_ = nullptr;
        return closed;
    }

  private:
    HANDLE handle_;
};

}  // namespace zelvo::win32
