#pragma once

#include <QFrame>
#include <QWidget>
#include <array>
#include <functional>

#include "bar/form1.h"
#include "platform/qt/picture_label.h"
#include "platform/qt/unit_box_edit.h"

namespace zelvo {

// The bar on screen: a frameless window of pictures with the unit boxes in front.
class BarView : public QWidget {
    Q_OBJECT
  public:
    // `changed` is called after every event this view passed to the model.
    BarView(form1& bar, const Toolkit& toolkit, std::function<void()> changed);

    void Render();

    UnitBoxEdit* box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
    PictureLabel* title() const { return title_; }
    PictureLabel* separator(int index) const {
        return separators_.at(static_cast<std::size_t>(index));
    }
    PictureLabel* rightEnd() const { return rightEnd_; }
    PictureLabel* background() const { return background_; }
    QFrame* marker() const { return marker_; }

  private:
    void ConnectBox(int index);

    form1& bar_;
    const Toolkit& toolkit_;
    std::function<void()> changed_;
    bool rendering_ = false;

    PictureLabel* background_;
    PictureLabel* rightEnd_;
    std::array<PictureLabel*, kSeparatorCount> separators_{};
    QFrame* marker_;
    PictureLabel* title_;
    std::array<UnitBoxEdit*, kUnitBoxCount> boxes_{};
};

}  // namespace zelvo
