#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "bar/skin_roles.h"
#include "platform/qt/menu_items.h"
#include "platform/qt/qt_picture.h"

namespace zelvo {
namespace {

constexpr float kTwipsPerInch = 1440.0F;

float TwipsPerPixel(qreal dotsPerInch) {
    return dotsPerInch > 0 ? kTwipsPerInch / static_cast<float>(dotsPerInch) : 15.0F;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSize ScreenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(1024, 768);
}

}  // namespace

void QtToolkit::MessageBox(std::string_view prompt, MessageIcon icon) {
    if (beforeModal_) {
        beforeModal_();
    }
    QString text = FromUtf8(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        FromUtf8(kApplicationTitle), text, QMessageBox::Ok);
    box.exec();
}

void QtToolkit::Beep() {
    QApplication::beep();
}

float QtToolkit::TwipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen != nullptr ? screen->logicalDotsPerInchX() : 96.0);
}

float QtToolkit::TwipsPerPixelY() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen != nullptr ? screen->logicalDotsPerInchY() : 96.0);
}

float QtToolkit::ScreenWidth() const {
    return static_cast<float>(ScreenPixels().width()) * TwipsPerPixelX();
}

float QtToolkit::ScreenHeight() const {
    return static_cast<float>(ScreenPixels().height()) * TwipsPerPixelY();
}

std::string QtToolkit::PopupMenu(const std::vector<MenuItem>& items) {
    if (beforeModal_) {
        beforeModal_();
    }
    QMenu menu;
    AddMenuItems(menu, items);
    const bool fromKeyboard = nextMenuAt_.has_value();
    const QPoint at = nextMenuAt_.value_or(QCursor::pos());
    nextMenuAt_.reset();
    if (fromKeyboard) {
        // As the menu opens its first entry is chosen, so that the arrow keys start
        // there and a screen reader says where the user is.
        QTimer::singleShot(0, &menu, [&menu] {
            for (QAction* action : menu.actions()) {
                if (!action->isSeparator() && action->isVisible() && action->isEnabled()) {
                    menu.setActiveAction(action);
                    return;
                }
            }
        });
    }
    const QAction* chosen = menu.exec(at);
    return chosen != nullptr ? chosen->data().toString().toStdString() : std::string();
}

void QtToolkit::ShowAboutBoxModal() {
    if (beforeModal_) {
        beforeModal_();
    }
    if (showAbout_) {
        showAbout_();
    }
}

// exit() rather than quit(): quit() first asks every window to close, and the
// settings dialog refuses (its close box only hides it).
void QtToolkit::Quit() {
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

PictureRef QtToolkit::LoadPicture(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    const QDateTime modified = file.lastModified();
    const qint64 bytes = file.size();
    LoadedFile& loaded = loaded_[path];
    if (PictureRef picture = loaded.picture.lock();
        picture && loaded.modified == modified && loaded.bytes == bytes) {
        return picture;
    }
    PictureRef picture = ReadPicture(path);
    loaded = {modified, bytes, picture};
    return picture;
}

PictureRef QtToolkit::ReadPicture(const std::string& path) const {
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        return nullptr;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<QtPicture>(QPixmap::fromImage(image), path);
}

PictureRef QtToolkit::BuiltinPicture(int slot) {
    PictureRef& picture = builtin_.at(static_cast<std::size_t>(slot - 1));
    if (!picture) {
        const std::string path =
            ":/builtin/" + std::string(kSkinRoles.at(static_cast<std::size_t>(slot - 1))) + ".gif";
        const QString file = QString::fromStdString(path);
        picture = std::make_shared<QtPicture>(QImageReader(file).size(), file, path);
    }
    return picture;
}

}  // namespace zelvo
