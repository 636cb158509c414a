#pragma once

#include <QFont>

namespace zelvo {

// "ＭＳ Ｐゴシック", with IPAPGothic standing in where it is not installed.
QFont PGothicFont(qreal pointSize, bool bold);

}  // namespace zelvo
