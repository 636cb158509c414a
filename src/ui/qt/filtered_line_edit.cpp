#include "ui/qt/filtered_line_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "ui/qt/key_codes.h"

namespace zelvo {

FilteredLineEdit::FilteredLineEdit(QWidget* parent) : QLineEdit(parent) {}

int FilteredLineEdit::Filter(int keyAscii) {
    if (handler_) {
        handler_(keyAscii);
    }
    return keyAscii;
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCodeFor(*event);
    if (code < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (Filter(code) != 0) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
    emit KeyHandled();
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    for (const char32_t character : commit.toUcs4()) {
        if (Filter(static_cast<int>(character)) != 0) {
            kept.append(QString::fromUcs4(&character, 1));
        }
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    emit KeyHandled();
}

}  // namespace zelvo
