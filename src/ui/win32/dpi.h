#pragma once

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// Twips and pixels on a screen of `dpi` dots per inch: 1440 twips an inch, so 15
// twips a pixel at 96 dpi. Pixels are rounded to the nearest whole one, halves to the
// even one, as the Linux build rounds them: the same setting.ini shows the bar on the
// same pixels.
int TwipsToPixels(float twips, UINT dpi);
float PixelsToTwips(int pixels, UINT dpi);

// The dots per inch of the monitor a window is on (96 before it has one).
UINT WindowDpi(HWND window);

// The whole scale factor of `dpi` (2 at 192 dpi), or 0 when the factor is fractional.
int WholeScaleFactor(UINT dpi);

}  // namespace zelvo::win32
