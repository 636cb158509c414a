#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

namespace zelvo {

// The key-capture control: pressing a combination offers it (modifier bits Shift 1,
// Ctrl 2, Alt 4, and a virtual-key code) to the owner, which keeps what its rules
// allow and shows it back. Backspace or Delete alone clears it; Tab moves on.
class HotKeyEdit : public QLineEdit {
    Q_OBJECT
  public:
    using Capture = std::function<void(int modifiers, int virtualKey)>;

    explicit HotKeyEdit(QWidget* parent = nullptr);
    void SetCapture(Capture capture) { capture_ = std::move(capture); }
    void ShowValue(std::uint16_t value);

    // "Ctrl + Alt + K"; "なし" when no key is set.
    static QString TextOf(std::uint16_t value);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    Capture capture_;
    std::uint16_t value_ = 0;
};

}  // namespace zelvo
