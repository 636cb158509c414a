#include "ui/win32/dpi.h"

#include <cmath>

namespace zelvo::win32 {

int TwipsToPixels(float twips, UINT dpi) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) * dpi / 1440.0));
}

float PixelsToTwips(int pixels, UINT dpi) {
    return static_cast<float>(static_cast<double>(pixels) * 1440.0 / (dpi == 0 ? 96 : dpi));
}

UINT WindowDpi(HWND window) {
    const UINT dpi = window != nullptr ? ::GetDpiForWindow(window) : 0;
    return dpi == 0 ? 96 : dpi;
}

int WholeScaleFactor(UINT dpi) {
    return dpi % 96 == 0 ? static_cast<int>(dpi / 96) : 0;
}

}  // namespace zelvo::win32
