#pragma once

#include <QToolButton>
#include <QWidget>

namespace zelvo {

// A pair of small up and down arrows stacked in the place of an up/down control.
class UpDownArrows : public QWidget {
    Q_OBJECT
  public:
    explicit UpDownArrows(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void Up();
    void Down();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // The arrows take the focus as one control: Up and Down step it.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace zelvo
