#include "ui/qt/text_sync.h"

#include <QString>

namespace zelvo {
namespace {

int CodePointsBefore(const QString& text, int utf16Units) {
    return static_cast<int>(text.left(utf16Units).toUcs4().size());
}

int Utf16UnitsBefore(const QString& text, int codePoints) {
    int units = 0;
    for (int seen = 0; seen < codePoints && units < text.size(); ++seen) {
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    }
    return units;
}

}  // namespace

void CopyBoxToModel(const QLineEdit& edit, TextBox& box) {
    const QString text = edit.text();
    box.Text = text.toStdString();
    if (edit.hasSelectedText()) {
        const int start = edit.selectionStart();
        box.SelStart = CodePointsBefore(text, start);
        box.SelLength = CodePointsBefore(text, start + edit.selectionLength()) - box.SelStart;
    } else {
        box.SelStart = CodePointsBefore(text, edit.cursorPosition());
        box.SelLength = 0;
    }
}

void CopyModelToBox(const TextBox& box, QLineEdit& edit) {
    const QString text = QString::fromStdString(box.Text);
    if (edit.text() != text) {
        edit.setText(text);
    }
    TextBox shown;
    CopyBoxToModel(edit, shown);
    if (shown.SelStart == box.SelStart && shown.SelLength == box.SelLength) {
        return;
    }
    const int start = Utf16UnitsBefore(text, box.SelStart);
    if (box.SelLength > 0) {
        edit.setSelection(start, Utf16UnitsBefore(text, box.SelStart + box.SelLength) - start);
    } else {
        edit.setCursorPosition(start);
    }
}

}  // namespace zelvo
