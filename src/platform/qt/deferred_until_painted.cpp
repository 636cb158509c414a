#include "platform/qt/deferred_until_painted.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QWindow>

namespace zelvo {

DeferredUntilPainted::DeferredUntilPainted(std::function<void()> task,
                                           std::chrono::milliseconds latest)
    : task_(std::move(task)) {
    latest_.setSingleShot(true);
    latest_.setInterval(latest);
    connect(&latest_, &QTimer::timeout, this, &DeferredUntilPainted::RunNow);
}

void DeferredUntilPainted::Schedule() {
    if (pending_) {
        return;
    }
    pending_ = true;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        idle_ = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                        &DeferredUntilPainted::CheckPainted);
    }
    latest_.start();
}

// Called as the event loop is about to wait: a window shown but not yet exposed still has its
// first paint ahead. The task runs from the loop, not from here, so that what it asks of the
// window system is sent before the loop waits again.
void DeferredUntilPainted::CheckPainted() {
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && !window->isExposed()) {
            return;
        }
    }
    disconnect(idle_);
    QMetaObject::invokeMethod(this, &DeferredUntilPainted::RunNow, Qt::QueuedConnection);
}

void DeferredUntilPainted::RunNow() {
    if (!pending_) {
        return;
    }
    Cancel();
    task_();
}

void DeferredUntilPainted::Cancel() {
    pending_ = false;
    disconnect(idle_);
    latest_.stop();
}

}  // namespace zelvo
