#include "ui/qt/results_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace zelvo {
namespace {

QAccessibleInterface* NoticeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("zelvo::ResultsNotice") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

ResultsNotice::ResultsNotice(QWidget* bar) : QWidget(bar) {
    QAccessible::installFactory(NoticeAccessible);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void ResultsNotice::Announce(const QString& results) {
    hide();
    setAccessibleName(results);
    show();
}

}  // namespace zelvo
