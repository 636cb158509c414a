#pragma once

#include <QIcon>

namespace zelvo {

// Zelvo's own icon, 32 and 16 pixels. Its pictures are read as PNG by name: a QIcon made
// from a file name has Qt load every image plugin it has to ask whether one reads PNG.
QIcon ProgramIcon();

}  // namespace zelvo
