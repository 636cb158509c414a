#pragma once

#include <QIcon>

namespace zelvo {

// Zelvo's own icon, 32 and 16 pixels. Its pictures are read as PNG by name: a QIcon made
// from a file name has Qt load every image plugin it has to ask whether one reads PNG.
QIcon ProgramIcon();

// The icon "zelvo" of the desktop's icon theme (installed into hicolor at every size),
// which a tray host can draw by name, crisp at its own size and scale; ProgramIcon()
// where the theme has none, as for a portable program.
QIcon ThemedProgramIcon();

}  // namespace zelvo
