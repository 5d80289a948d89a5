#include "cli/verbs/interrupt_notifier.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace linknode {

struct InterruptNotifier::PreviousHandlers {
    struct sigaction interrupt { };
    struct sigaction terminate { };
};

namespace {
    int signalPair[2] = { -1, -1 };

    void onSignal(int)
    {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(signalPair[0], &byte, 1);
    }
}

InterruptNotifier::InterruptNotifier(QObject* parent)
    : QObject(parent)
    , previous_(std::make_unique<PreviousHandlers>())
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPair) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalPair[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalPair[1], &byte, 1);
        emit interrupted();
    });
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previous_->interrupt);
    ::sigaction(SIGTERM, &action, &previous_->terminate);
}

InterruptNotifier::~InterruptNotifier()
{
    if (!notifier_)
        return;
    ::sigaction(SIGINT, &previous_->interrupt, nullptr);
    ::sigaction(SIGTERM, &previous_->terminate, nullptr);
    notifier_.reset();
    ::close(signalPair[0]);
    ::close(signalPair[1]);
    signalPair[0] = signalPair[1] = -1;
}

} // namespace linknode
