#include "ui/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace zelvo {
namespace {

// The family as the database lists it, without the foundry it adds where several have it.
QString FamilyOnly(const QString& listed) {
    const qsizetype foundry = listed.indexOf(QStringLiteral(" ["));
    return foundry < 0 ? listed : listed.left(foundry);
}

// The first name of the face, then of its stand-in, that the font database holds. A font
// asked for by a family the database lacks costs Qt a search through every font for its
// fallbacks; a family it holds spares that. Where it holds none, the face is asked for by
// its own name with the stand-in's as substitutes.
QString UiFamily() {
    QString face = QStringLiteral("ＭＳ Ｐゴシック");
    const QStringList standIn{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
    QStringList installed;
    for (const QString& listed : QFontDatabase::families()) {
        installed.append(FamilyOnly(listed));
    }
    for (const QString& name : QStringList{QStringLiteral("MS PGothic"), face} + standIn) {
        if (installed.contains(name, Qt::CaseInsensitive)) {
            return name;
        }
    }
    QFont::insertSubstitutions(face, standIn);
    return face;
}

}  // namespace

QFont PGothicFont(qreal pointSize, bool bold) {
    static const QString family = UiFamily();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}  // namespace zelvo
