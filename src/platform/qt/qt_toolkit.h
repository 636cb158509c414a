#pragma once

#include <QDateTime>
#include <QPoint>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

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
    // The next pop-up menu opens at this screen point rather than at the pointer, with
    // its first entry chosen (a menu asked for from the keyboard opens at the box that
    // has the focus).
    void PopupNextMenuAt(QPoint point) { nextMenuAt_ = point; }
    void ShowAboutBoxModal() override;
    void Quit() override;
    PictureRef LoadPicture(const std::string& path) override;
    PictureRef BuiltinPicture(int slot) override;

  private:
    // A picture file as it was when it was loaded, and the picture while someone holds it.
    struct LoadedFile {
        QDateTime modified;
        qint64 bytes = 0;
        std::weak_ptr<const Picture> picture;
    };

    PictureRef ReadPicture(const std::string& path) const;

    std::function<void()> beforeModal_;
    std::optional<QPoint> nextMenuAt_;
    std::function<void()> showAbout_;
    std::array<PictureRef, 10> builtin_;
    // A skin's pictures serve the bar and the dialog's preview alike, and applying a skin
    // loads each of them more than once: a file unchanged since it was read is not read again.
    std::map<std::string, LoadedFile> loaded_;
};

}  // namespace zelvo
