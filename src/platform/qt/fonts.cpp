#include "platform/qt/fonts.h"

#include <QStringList>

namespace zelvo {

QFont PGothicFont(qreal pointSize, bool bold) {
    static const QString family = QStringLiteral("ＭＳ Ｐゴシック");
    static const bool substituted = [] {
        QFont::insertSubstitutions(family, QStringList() << QStringLiteral("IPAPGothic")
                                                         << QStringLiteral("IPA Pゴシック"));
        return true;
    }();
    static_cast<void>(substituted);
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}  // namespace zelvo
