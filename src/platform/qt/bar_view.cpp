#include "platform/qt/bar_view.h"

#include "platform/qt/fonts.h"
#include "platform/qt/safe_call.h"
#include "platform/qt/text_sync.h"
#include "platform/qt/twips.h"

namespace zelvo {
namespace {

constexpr qreal kUnitBoxPointSize = 11.25;

}  // namespace

BarView::BarView(form1& bar, const Toolkit& toolkit, std::function<void()> changed)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      bar_(bar),
      toolkit_(toolkit),
      changed_(std::move(changed)),
      background_(new PictureLabel(this)),
      rightEnd_(new PictureLabel(this)),
      marker_(new QFrame(this)),
      title_(new PictureLabel(this)) {
    setWindowTitle(QStringLiteral("Zelvo"));

    // Created back to front: later siblings are drawn over earlier ones.
    for (auto& separator : separators_) {
        separator = new PictureLabel(this);
        separator->setCursor(Qt::SizeHorCursor);
    }
    rightEnd_->setCursor(Qt::SizeHorCursor);
    background_->lower();
    rightEnd_->stackUnder(separators_[0]);
    marker_->setFrameShape(QFrame::Box);
    marker_->setLineWidth(2);
    marker_->raise();
    title_->setCursor(Qt::SizeAllCursor);
    title_->raise();

    const QFont font = PGothicFont(kUnitBoxPointSize, true);
    for (int i = 0; i < kUnitBoxCount; ++i) {
        auto* box = new UnitBoxEdit(this);
        boxes_.at(static_cast<std::size_t>(i)) = box;
        box->setFont(font);
        box->setFrame(false);
        box->setTextMargins(2, 0, 2, 0);
        box->setContentsMargins(0, 0, 0, 0);
        box->raise();
        ConnectBox(i);
    }
    for (int i = 0; i + 1 < kUnitBoxCount; ++i) {
        setTabOrder(box(i), box(i + 1));
    }
}

void BarView::ConnectBox(int index) {
    UnitBoxEdit* edit = box(index);
    edit->SetKeyHandler(
        [this, index](int& keyAscii) { SafeCall([&] { bar_.text1_KeyPress(index, keyAscii); }); });
    connect(edit, &UnitBoxEdit::KeyHandled, this, [this] { changed_(); });
    connect(edit, &UnitBoxEdit::FocusGained, this, [this, index] {
        SafeCall([&] { bar_.text1_GotFocus(index); });
        changed_();
    });
    const auto copyToModel = [this, index] {
        if (!rendering_) {
            CopyBoxToModel(*box(index), bar_.text1.at(static_cast<std::size_t>(index)));
        }
    };
    connect(edit, &QLineEdit::textChanged, this, copyToModel);
    connect(edit, &QLineEdit::selectionChanged, this, copyToModel);
    connect(edit, &QLineEdit::cursorPositionChanged, this, copyToModel);
}

void BarView::Render() {
    rendering_ = true;
    const float tpp = toolkit_.TwipsPerPixelX();
    const QRect window(TwipsToPixels(bar_.Left, tpp), TwipsToPixels(bar_.Top, tpp),
                       TwipsToPixels(bar_.Width, tpp), TwipsToPixels(bar_.Height, tpp));
    if (pos() != window.topLeft()) {
        move(window.topLeft());
    }
    if (size() != window.size()) {
        resize(window.size());
    }

    background_->Render(bar_.Image2, tpp);
    rightEnd_->Render(bar_.BottomImg, tpp);
    for (int i = 0; i < kSeparatorCount; ++i) {
        separator(i)->Render(bar_.BorderImg.at(static_cast<std::size_t>(i)), tpp);
    }
    marker_->setGeometry(PixelRect(bar_.BBox, tpp));
    marker_->setVisible(bar_.BBox.Visible);
    title_->Render(bar_.topimg, tpp);

    for (int i = 0; i < kUnitBoxCount; ++i) {
        const TextBox& model = bar_.text1.at(static_cast<std::size_t>(i));
        UnitBoxEdit* edit = box(i);
        edit->setGeometry(PixelRect(model, tpp));
        edit->setToolTip(QString::fromStdString(model.ToolTipText));
        edit->setEnabled(model.Enabled);
        edit->setVisible(model.Visible);
        CopyModelToBox(model, *edit);
    }
    setVisible(bar_.Visible);
    rendering_ = false;
}

}  // namespace zelvo
