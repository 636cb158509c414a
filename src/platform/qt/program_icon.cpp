#include "platform/qt/program_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace zelvo {
namespace {

QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(ReadPng(QStringLiteral(":/builtin/zelvo.png")));
    icon.addPixmap(ReadPng(QStringLiteral(":/builtin/zelvo16.png")));
    return icon;
}

QIcon ThemedProgramIcon() {
    return QIcon::fromTheme(QStringLiteral("zelvo"), ProgramIcon());
}

}  // namespace zelvo
