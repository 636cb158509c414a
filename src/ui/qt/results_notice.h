#pragma once

#include <QString>
#include <QWidget>

namespace zelvo {

// What a conversion produced, told to a screen reader as a notification: a see-through
// speck in the bar's corner that the reader is told has appeared, named as the
// results. Readers speak a notification as it shows, wherever the focus is.
class ResultsNotice : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsNotice(QWidget* bar);

    // Shows the notice anew, named `results`.
    void Announce(const QString& results);
};

}  // namespace zelvo
