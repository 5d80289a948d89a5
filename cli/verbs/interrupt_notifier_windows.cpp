#include "cli/verbs/interrupt_notifier.h"

#include <mutex>
#include <windows.h>

namespace linknode {

// The system keeps the console's handlers in a list: removing ours brings back those before.
struct InterruptNotifier::PreviousHandlers { };

namespace {
    // The system calls the handler on a thread of its own. The lock keeps the notifier alive
    // while an event is posted to it, so the handler never reaches one being destroyed.
    std::mutex currentLock;
    InterruptNotifier* current = nullptr;

    // The system ends the process once the handler of a closed console returns, and allows
    // it about five seconds: the event loop gets most of them to finish.
    constexpr DWORD closeGraceMilliseconds = 4000;

    BOOL WINAPI onControl(DWORD type)
    {
        if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT)
            return FALSE;
        {
            const std::lock_guard lock(currentLock);
            if (current == nullptr)
                return FALSE;
            QMetaObject::invokeMethod(
                current, &InterruptNotifier::interrupted, Qt::QueuedConnection);
        }
        if (type == CTRL_CLOSE_EVENT)
            Sleep(closeGraceMilliseconds);
        return TRUE;
    }
}

InterruptNotifier::InterruptNotifier(QObject* parent)
    : QObject(parent)
{
    const std::lock_guard lock(currentLock);
    current = this;
    SetConsoleCtrlHandler(onControl, TRUE);
}

InterruptNotifier::~InterruptNotifier()
{
    SetConsoleCtrlHandler(onControl, FALSE);
    const std::lock_guard lock(currentLock);
    current = nullptr;
}

} // namespace linknode
