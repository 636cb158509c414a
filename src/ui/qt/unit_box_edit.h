#pragma once

#include "ui/qt/filtered_line_edit.h"

namespace zelvo {

// A unit box of the bar. Gaining the focus selects its whole text, also when the
// focus comes from a mouse click: that click leaves the selection alone.
class UnitBoxEdit : public FilteredLineEdit {
    Q_OBJECT
  public:
    explicit UnitBoxEdit(QWidget* parent = nullptr);

  signals:
    void FocusGained();
    // The menu key or Shift+F10: the bar's menu rather than the box's edit menu (a
    // right click keeps the edit menu).
    void MenuKeyPressed();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool focusClick_ = false;  // the press that focused the box is still held
};

}  // namespace zelvo
