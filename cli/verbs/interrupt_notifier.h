#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace linknode {

// An interrupt (SIGINT and SIGTERM; on Windows Ctrl+C, Ctrl+Break and a closed console) as a
// signal on the event loop, for the verbs that run until stopped: the handler only hands the
// event on, the loop does the rest. One at a time; the handlers before it are back once it is
// gone.
class InterruptNotifier : public QObject {
    Q_OBJECT
public:
    explicit InterruptNotifier(QObject* parent = nullptr);
    ~InterruptNotifier() override;

signals:
    void interrupted();

private:
    // The handlers in place before, in the system's own form.
    struct PreviousHandlers;
    std::unique_ptr<PreviousHandlers> previous_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace linknode
