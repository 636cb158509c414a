#pragma once

#include <array>
#include <functional>

#include "platform/toolkit.h"

namespace zelvo {

// Message boxes, the beep, screen density and pictures through Qt Widgets.
class QtToolkit final : public Toolkit {
  public:
    // Pictures larger than this are refused rather than loaded.
    static constexpr int kMaxPictureSide = 4096;

    // Called before a modal box opens, so that the windows show the latest state.
    void SetBeforeModal(std::function<void()> beforeModal) {
        beforeModal_ = std::move(beforeModal);
    }
    // Shows the About box view modally.
    void SetShowAbout(std::function<void()> showAbout) { showAbout_ = std::move(showAbout); }

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
    std::function<void()> beforeModal_;
    std::function<void()> showAbout_;
    std::array<PictureRef, 10> builtin_;
};

}  // namespace zelvo
