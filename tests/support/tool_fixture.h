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

    template <class T = QWidget> T& get(const char* name) { return app.form.get<T>(name); }

    // Waits (events running) until `name` is visible again; the clock time it happened.
    double whenShown(const char* name, double timeout = 2.0)
    {
        const double end = clock.now() + timeout;
        while (get(name).isHidden() && clock.now() < end)
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
