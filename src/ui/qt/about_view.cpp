#include "ui/qt/about_view.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/qt/program_icon.h"
#include "platform/safe_call.h"
#include "ui/qt/fonts.h"

namespace zelvo {
namespace {

// The box's texts follow the desktop's font size (the title half as large again),
// and its layout grows with them, so that every text is whole at any size and scale.
qreal DesktopPointSize() {
    const qreal size = QApplication::font().pointSizeF();
    constexpr qreal kFallbackPointSize = 9;
    return size > 0 ? size : kFallbackPointSize;
}

// A push button as wide as its caption as drawn, with the style's margins and a
// character to spare: its own size hint can come out a few pixels short of that.
int ButtonWidth(const QPushButton& button) {
    QString shown = button.text();
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    const QFontMetrics metrics = button.fontMetrics();
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    return metrics.horizontalAdvance(shown) + 2 * margin + metrics.averageCharWidth();
}

QFrame* SeparatorLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

AboutView::AboutView(frmAbout& about) : about_(about) {
    setFont(PGothicFont(DesktopPointSize(), false));
}

void AboutView::EnsureBuilt() {
    if (ok_ != nullptr) {
        return;
    }
    constexpr int kIconSide = 32;
    constexpr qreal kTitleScale = 1.5;
    constexpr int kTextColumns = 40;
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(kIconSide, kIconSide));
    title_ = new QLabel(this);
    title_->setFont(PGothicFont(DesktopPointSize() * kTitleScale, true));
    version_ = new QLabel(this);
    description_ = new QLabel(this);
    description_->setWordWrap(true);
    description_->setMinimumWidth(fontMetrics().averageCharWidth() * kTextColumns);
    disclaimer_ = new QLabel(this);
    disclaimer_->setWordWrap(true);
    disclaimer_->setMinimumWidth(fontMetrics().averageCharWidth() * kTextColumns * 3 / 4);
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    sysInfo_ = new QPushButton(this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title_);
    texts->addWidget(version_);
    texts->addWidget(description_);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(sysInfo_);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer_, 1, Qt::AlignTop);
    bottom->addLayout(buttons);
    auto* box = new QVBoxLayout(this);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->addLayout(top);
    box->addWidget(SeparatorLine(this));
    box->addLayout(bottom);

    connect(ok_, &QPushButton::clicked, this, [this] {
        SafeCall([&] { about_.cmdOK_Click(); });
        accept();
    });
    connect(sysInfo_, &QPushButton::clicked, this,
            [this] { SafeCall([&] { about_.cmdSysInfo_Click(); }); });
}

// However the box comes to be shown, its widgets are there first.
void AboutView::setVisible(bool visible) {
    if (visible) {
        EnsureBuilt();
    }
    QDialog::setVisible(visible);
}

void AboutView::Render() {
    EnsureBuilt();
    setWindowTitle(QString::fromStdString(about_.Caption));
    title_->setText(QString::fromStdString(about_.lblTitle.Caption));
    version_->setText(QString::fromStdString(about_.lblVersion.Caption));
    description_->setText(QString::fromStdString(about_.lblDescription.Caption));
    disclaimer_->setText(QString::fromStdString(about_.lblDisclaimer.Caption));
    ok_->setText(QString::fromStdString(about_.cmdOK.Caption));
    sysInfo_->setText(QString::fromStdString(about_.cmdSysInfo.Caption));
    for (QPushButton* button : {ok_, sysInfo_}) {
        button->setMinimumWidth(ButtonWidth(*button));
    }
    layout()->invalidate();
    layout()->activate();
}

// The close box and Escape close the box as OK does.
void AboutView::reject() {
    SafeCall([&] { about_.cmdOK_Click(); });
    QDialog::reject();
}

}  // namespace zelvo
