#pragma once

#include "app/application.h"
#include "core/wait.h"
#include "form/scripted_dialogs.h"
#include "tests/support/fake_socket.h"

namespace linknode {

// The whole window over fake sockets, scripted dialogs and a clock five times faster than
// the wall, so waits of the tool take a fifth of their time.
struct Tool {
    explicit Tool(double clockStart = 0.0, double speed = 5.0)
        : clock(speed, clockStart)
        , sendSocket([this] { return clock.now(); })
        , receiveSocket([this] { return clock.now(); })
        , app(sendSocket, receiveSocket, dialogs, clock)
    {
    }

    template <class T> T& operator[](Control<T> control) { return app.form[control]; }

    // Waits (events running) until `control` is visible again; the clock time it happened.
    double whenShown(Control<QWidget> control, double timeout = 2.0)
    {
        const double end = clock.now() + timeout;
        while ((*this)[control].isHidden() && clock.now() < end)
            DELAIS_EVT(clock, 0.005);
        return clock.now();
    }

    // A device reply: FE FF and the record.
    static QByteArray reply(const std::string& record)
    {
        return QByteArray("\xFE\xFF", 2)
            + QByteArray(record.data(), static_cast<qsizetype>(record.size()));
    }

    Clock clock;
    ScriptedDialogs dialogs;
    FakeSocket sendSocket;
    FakeSocket receiveSocket;
    Application app;
};

} // namespace linknode
