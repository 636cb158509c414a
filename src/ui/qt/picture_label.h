#pragma once

#include <QLabel>

#include "controls/image.h"

class QPainter;

namespace zelvo {

// Draws `picture` over `target` (logical pixels) on the painter's device. At a whole
// device pixel ratio (100 %, 200 %) each picture pixel becomes whole device pixels,
// as crisp as the picture itself; only at a fractional one (125 %, 150 %), where that
// cannot be, is it scaled smoothly.
void DrawPicture(QPainter& painter, const QPixmap& picture, const QRectF& target);

// Shows an Image model: its place in twips, its picture (stretched or at its own
// size) and its visibility.
class PictureLabel : public QLabel {
    Q_OBJECT
  public:
    explicit PictureLabel(QWidget* parent = nullptr);
    void Render(const Image& image, float twipsPerPixel);

    // The picture shown now, for checks.
    const Picture* shownPicture() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Picture* shown_ = nullptr;
};

}  // namespace zelvo
