#pragma once

#include <cstdint>

#include "platform/picture.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// Draws `picture` (a Win32Picture; nothing for null or another kind) over
// `destination`, its transparent pixels letting what is already there show through.
// At the picture's own size every pixel is copied as it is; at a whole multiple of it
// (a 200 % screen) each pixel becomes a block of pixels, so edges stay sharp; any
// other size (a fractional scale, a stretched background) is filtered smoothly.
void PaintPicture(HDC target, const Picture* picture, const RECT& destination);

// A 32-bit top-down DIB section selected into a memory DC of its own. Pixels are
// blue-green-red-alpha in memory (0xAARRGGBB as numbers), `width` a row. Invalid (no
// DC, no pixels) when it cannot be made: an empty size, no memory.
class DibSection {
  public:
    DibSection(int width, int height);
    ~DibSection();
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    bool valid() const { return pixels_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixels, once GDI has finished what it was drawing into them.
    std::uint32_t* pixels() const;
    // One pixel; 0 outside the section or when it is invalid.
    std::uint32_t Pixel(int x, int y) const;

  private:
    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

// The off-screen picture a window paints into during WM_PAINT, of its client size:
// everything is drawn into it first, and when the buffer ends the whole is copied to
// the window's DC at once, so the window never shows half its drawing. Where no buffer
// can be made the drawing goes straight to the window.
class BackBuffer {
  public:
    BackBuffer(HDC target, int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Where to draw: the buffer, or the window when there is none.
    HDC dc() const { return buffer_.valid() ? buffer_.dc() : target_; }
    const DibSection& buffer() const { return buffer_; }

  private:
    HDC target_;
    DibSection buffer_;
};

}  // namespace zelvo
