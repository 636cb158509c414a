#pragma once

#include <QLabel>

#include "controls/image.h"

namespace zelvo {

// Shows an Image model: its place in twips, its picture (stretched or at its own
// size) and its visibility.
class PictureLabel : public QLabel {
    Q_OBJECT
  public:
    explicit PictureLabel(QWidget* parent = nullptr);
    void Render(const Image& image, float twipsPerPixel);

    // The picture shown now, for checks.
    const Picture* shownPicture() const { return shown_; }

  private:
    const Picture* shown_ = nullptr;
};

}  // namespace zelvo
