#pragma once

#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace zelvo {

// A task put off until the windows shown so far have been exposed and painted and the event
// loop has nothing else to do, or for `latest` at most (a window shown minimised is never
// exposed). Work that can wait thus does not compete with a window's first paint.
class DeferredUntilPainted final : public QObject {
    Q_OBJECT
  public:
    explicit DeferredUntilPainted(std::function<void()> task,
                                  std::chrono::milliseconds latest = std::chrono::seconds(1));

    // Puts the task off, unless it is waiting already.
    void Schedule();
    // Runs the waiting task now.
    void RunNow();
    // The waiting task will not run.
    void Cancel();
    bool Pending() const { return pending_; }

  private:
    void CheckPainted();

    std::function<void()> task_;
    bool pending_ = false;
    QMetaObject::Connection idle_;
    QTimer latest_;
};

}  // namespace zelvo
