#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/toolkit.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// Message boxes, the beep, screen density, pop-up menus and pictures through Win32 and
// the Windows Imaging Component. Lives on the user-interface thread.
class Win32Toolkit final : public Toolkit {
  public:
    // `instance` holds the built-in pictures (app/win32/zelvo.rc).
    explicit Win32Toolkit(HINSTANCE instance) : instance_(instance) {}

    // Called before a modal box or a menu opens, so that the windows show the latest state.
    void SetBeforeModal(std::function<void()> beforeModal) {
        beforeModal_ = std::move(beforeModal);
    }
    // Shows the About box view modally.
    void SetShowAbout(std::function<void()> showAbout) { showAbout_ = std::move(showAbout); }
    // The window that owns message boxes and menus.
    void SetOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }
    // The next pop-up menu opens at this screen point rather than at the pointer (a
    // menu asked for from the keyboard opens at the box that has the focus).
    void PopupNextMenuAt(POINT point) { nextMenuAt_ = point; }

    void MessageBox(std::string_view prompt, MessageIcon icon) override;
    void Beep() override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
    float ScreenWidth() const override;
    float ScreenHeight() const override;
    std::string PopupMenu(const std::vector<MenuItem>& items) override;
    void ShowAboutBoxModal() override;
    void Quit() override;
    PictureRef LoadPicture(const std::string& path) override;
    PictureRef BuiltinPicture(int slot) override;

  private:
    // A picture file as it was when it was read, and the picture while someone holds it.
    struct LoadedFile {
        std::uint64_t bytes = 0;
        std::uint64_t lastWrite = 0;
        std::weak_ptr<const Picture> picture;
    };

    void BeforeModal() const;
    HWND Owner() const;
    const PictureDecoder& Decoder();

    HINSTANCE instance_;
    std::function<void()> beforeModal_;
    std::function<void()> showAbout_;
    std::function<HWND()> owner_;
    std::optional<POINT> nextMenuAt_;
    std::unique_ptr<PictureDecoder> decoder_;
    std::array<PictureRef, 10> builtin_;
    // A skin's pictures serve the bar and the dialog's preview alike, and applying a skin
    // loads each of them more than once: a file unchanged since it was read is not read again.
    std::map<std::string, LoadedFile> loaded_;
};

}  // namespace zelvo
