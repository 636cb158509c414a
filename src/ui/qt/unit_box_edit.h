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

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool focusClick_ = false;  // the press that focused the box is still held
};

}  // namespace zelvo
