#pragma once

#include <QLineEdit>
#include <functional>

namespace zelvo {

// A line edit whose typed characters pass a key handler first: the handler gets
// the character code and sets it to 0 to discard the character, which then never
// reaches the box. Input-method text passes the same handler character by character.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using KeyHandler = std::function<void(int& keyAscii)>;

    explicit FilteredLineEdit(QWidget* parent = nullptr);
    void SetKeyHandler(KeyHandler handler) { handler_ = std::move(handler); }

  signals:
    // Emitted after a character went through the handler (and the box, when kept),
    // so that the owner can bring the window up to date.
    void KeyHandled();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    // Runs the handler; returns the code it leaves (0 when discarded).
    int Filter(int keyAscii);

    KeyHandler handler_;
};

}  // namespace zelvo
