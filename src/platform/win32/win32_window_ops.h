#pragma once

#include "platform/win32/windows_api.h"
#include "platform/window_ops.h"

namespace zelvo {

// The bar's window-manager operations on Win32. Keep-above asked for before the bar's
// window exists is remembered and carried out when the window is attached.
class Win32WindowOps final : public WindowOps {
  public:
    void AttachBar(HWND bar);

    void SetBarKeepAbove(bool above) override;
    PixelPoint BarClientToScreen(PixelPoint client) override;
    bool IsBarForeground() override;
    void BringBarToForeground() override;

  private:
    void ApplyKeepAbove() const;

    HWND bar_ = nullptr;
    bool keepAbove_ = false;
};

}  // namespace zelvo
