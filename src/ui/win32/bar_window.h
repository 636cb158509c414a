#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "bar/form1.h"
#include "bar/results_announcer.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/bar_pictures.h"
#include "ui/win32/dialog_font.h"
#include "ui/win32/drag_marker.h"
#include "ui/win32/screen_reader_notes.h"
#include "ui/win32/tool_tips.h"
#include "ui/win32/unit_box.h"

namespace zelvo::win32 {

// The bar on screen: a frameless window of pictures with the unit boxes in front. It
// has a button in the task bar, and closing it (Alt+F4) ends the program as 終了 does.
class BarWindow {
  public:
    // `changed` is called after every event this window passed to the model.
    BarWindow(HINSTANCE instance, form1& bar, std::function<void()> changed);
    ~BarWindow();
    BarWindow(const BarWindow&) = delete;
    BarWindow& operator=(const BarWindow&) = delete;

    HWND hwnd() const { return window_; }
    // Brings the window, its boxes, pictures and the drag marker in line with the model.
    void Render();

    // Where a menu asked for from the keyboard is to open: the window names the
    // screen point, the toolkit opens the model's next menu there.
    void SetMenuAnchor(std::function<void(POINT)> menuAt) { menuAt_ = std::move(menuAt); }

    HWND box(int index) const { return boxes_.at(static_cast<std::size_t>(index))->hwnd(); }
    HWND marker() const { return marker_->hwnd(); }
    HWND toolTips() const { return toolTips_->hwnd(); }

  private:
    // The picture a press started on; it gets the moves and the release.
    struct Press {
        BarPart part;
        int index;
        int button;
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
    UnitBox::Events BoxEvents(int index);
    template <typename Handler>
    void Call(Handler&& handler);

    void ApplyFont(UINT dpi);
    void PlaceWindow(UINT dpi);
    void RenderBoxes(UINT dpi);
    void RenderPictures(UINT dpi);
    void FocusActiveBox();
    // After a conversion, the focused box tells a screen reader all six results.
    void AnnounceResults();
    void FocusNextBox(int from, bool forward);
    void CopyBoxToModel(int index);

    // The pictures as last rendered, back to front over the window's colour.
    void Paint(HDC dc) const;
    bool SetPointerShape(WPARAM window, LPARAM hitTest);
    void PressOn(int button, WPARAM keys, POINT client);
    void MoveOn(WPARAM keys, POINT client);
    void Release(int button, WPARAM keys, POINT client);
    // The pointer in twips over the pressed picture, where that picture is now.
    TwipsPoint TwipsOverPressed(const Press& press, POINT client) const;
    void DoubleClick(POINT client);
    void AdoptMove(const WINDOWPOS& place);

    form1& bar_;
    std::function<void()> changed_;
    std::function<void(POINT)> menuAt_;
    // Set while the window is made, while it renders the model and while it is
    // destroyed: the messages that sends reach nothing of the model.
    bool silent_ = true;
    HWND window_ = nullptr;
    std::array<std::unique_ptr<UnitBox>, kUnitBoxCount> boxes_;
    std::unique_ptr<ToolTips> toolTips_;
    std::unique_ptr<DragMarker> marker_;
    UniqueFont font_;
    std::array<BarPicture, kBarPictureCount> painted_{};
    std::optional<Press> pressed_;
    ResultsAnnouncer announcer_;
    ScreenReaderNotes notes_;
};

}  // namespace zelvo::win32
