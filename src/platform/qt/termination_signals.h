#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace zelvo {

// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, a kill, a closed
// terminal) into a call on the event loop, where the program can end properly.
// One instance at a time.
class TerminationSignals final : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(std::function<void()> onTerminate);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    std::function<void()> onTerminate_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zelvo
