#include "sim/quit_on_signal.h"

#include <QCoreApplication>
#include <mutex>
#include <windows.h>

namespace linknode::sim {

namespace {

    // The system calls the handler on a thread of its own. The lock keeps the application
    // alive while the quit is posted to it.
    std::mutex applicationLock;
    QCoreApplication* application = nullptr;

    // The system ends the process once the handler of a closed console returns, and allows
    // it about five seconds: the event loop gets most of them to close the journal.
    constexpr DWORD closeGraceMilliseconds = 4000;

    BOOL WINAPI onControl(DWORD type)
    {
        if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT)
            return FALSE;
        {
            const std::lock_guard lock(applicationLock);
            if (application == nullptr)
                return FALSE;
            QMetaObject::invokeMethod(
                application, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
        }
        if (type == CTRL_CLOSE_EVENT)
            Sleep(closeGraceMilliseconds);
        return TRUE;
    }

    // Goes with the application, so that a late signal finds none.
    class ApplicationGone final : public QObject {
    public:
        using QObject::QObject;
        ~ApplicationGone() override
        {
            const std::lock_guard lock(applicationLock);
            application = nullptr;
        }
    };

} // namespace

bool quitOnSignals(QCoreApplication& app)
{
    {
        const std::lock_guard lock(applicationLock);
        application = &app;
    }
    new ApplicationGone(&app);
    return SetConsoleCtrlHandler(onControl, TRUE) != 0;
}

} // namespace linknode::sim
