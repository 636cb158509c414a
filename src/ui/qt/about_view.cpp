#include "ui/qt/about_view.h"

#include <QFrame>

#include "platform/qt/program_icon.h"
#include "platform/safe_call.h"
#include "ui/qt/fonts.h"

namespace zelvo {
namespace {

QFrame* SeparatorLine(QWidget* parent, int y) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(16, y, 344, 2);
    return line;
}

}  // namespace

AboutView::AboutView(frmAbout& about) : about_(about) {
    setFont(PGothicFont(9, false));
    setFixedSize(376, 200);
}

void AboutView::EnsureBuilt() {
    if (ok_ != nullptr) {
        return;
    }
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setGeometry(16, 16, 32, 32);
    title_ = new QLabel(this);
    title_->setGeometry(64, 16, 296, 24);
    title_->setFont(PGothicFont(14, true));
    version_ = new QLabel(this);
    version_->setGeometry(64, 44, 296, 18);
    description_ = new QLabel(this);
    description_->setGeometry(64, 68, 296, 36);
    description_->setWordWrap(true);
    SeparatorLine(this, 112);
    disclaimer_ = new QLabel(this);
    disclaimer_->setGeometry(16, 122, 230, 64);
    disclaimer_->setWordWrap(true);
    ok_ = new QPushButton(this);
    ok_->setGeometry(262, 124, 98, 26);
    ok_->setDefault(true);
    sysInfo_ = new QPushButton(this);
    sysInfo_->setGeometry(262, 158, 98, 26);
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
}

// The close box and Escape close the box as OK does.
void AboutView::reject() {
    SafeCall([&] { about_.cmdOK_Click(); });
    QDialog::reject();
}

}  // namespace zelvo
