#pragma once

#include <QLineEdit>

#include "controls/text_box.h"

namespace zelvo {

// Carries text and selection between a TextBox model, which counts characters
// (code points), and a line edit, which counts UTF-16 units.
void CopyBoxToModel(const QLineEdit& edit, TextBox& box);
void CopyModelToBox(const TextBox& box, QLineEdit& edit);

}  // namespace zelvo
