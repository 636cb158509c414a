#pragma once

#include <wrl/client.h>
#include <string_view>

#include "platform/win32/windows_api.h"

struct IAccPropServices;

namespace zelvo::win32 {

// Tells screen readers about a change they would not notice by themselves. A
// control's description is set through the accessibility annotation service, which
// answers for the control when a reader asks, and the reader is told that the
// control's description and value changed, so that it reads the focused box anew.
class ScreenReaderNotes {
  public:
    ScreenReaderNotes();
    ~ScreenReaderNotes();
    ScreenReaderNotes(const ScreenReaderNotes&) = delete;
    ScreenReaderNotes& operator=(const ScreenReaderNotes&) = delete;

    // Gives `control` the description `text` (UTF-8) and announces the change.
    void Describe(HWND control, std::string_view text);

  private:
    // Takes the description back from the control that has it.
    void Forget();

    Microsoft::WRL::ComPtr<IAccPropServices> service_;
    HWND described_ = nullptr;
};

}  // namespace zelvo::win32
