#pragma once

#include <vector>

#include "platform/picture.h"
#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// A child window that shows pictures at given places over a background: the dialog's
// face colour, or a white box with a one-pixel frame. Pictures are drawn back to front
// through a back buffer, their transparent pixels showing what lies below.
class PicturePanel {
  public:
    enum class Background { Face, WhiteBox };

    // One picture and where it goes, in pixels of the panel's client area.
    struct Layer {
        PictureRef picture;
        RECT place{};

        bool operator==(const Layer& other) const {
            return picture == other.picture && ::EqualRect(&place, &other.place) != FALSE;
        }
    };

    PicturePanel(HINSTANCE instance, HWND parent, int id, Background background);
    ~PicturePanel();
    PicturePanel(const PicturePanel&) = delete;
    PicturePanel& operator=(const PicturePanel&) = delete;

    // Null once the parent has destroyed it.
    HWND hwnd() const { return window_; }

    // Shows `layers`, back to front; repaints only when they differ from those shown.
    void Show(std::vector<Layer> layers);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // Draws the panel's content, `size` pixels large, into `dc` (the back buffer, or the
    // DC of WM_PRINTCLIENT).
    void Draw(HDC dc, SIZE size) const;

    HWND window_ = nullptr;
    Background background_;
    std::vector<Layer> layers_;
};

}  // namespace zelvo::win32
