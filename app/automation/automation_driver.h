#pragma once

#include "app/automation/controls.h"
#include "app/automation/script.h"

#include <QString>
#include <vector>

class QObject;
class QWidget;

namespace linknode {

class Clock;
class ScriptedDialogs;

// Runs an automation script on the live window: finds controls by objectName, acts on them as
// a user or a handler call would, waits with events running, and dumps the state as JSON.
class AutomationDriver {
public:
    // `extraControls`: controls that are not children of the window (the sockets).
    AutomationDriver(QWidget& window, ScriptedDialogs& dialogs, const Clock& clock,
        std::vector<QObject*> extraControls);

    // Reads and checks the whole script before anything runs. On false `error` names the
    // unreadable file or the malformed line, and run() returns 2 without acting.
    bool load(const QString& path, QString* error);

    // 0 when the script ends or reaches quit (which closes the window); 2 when a step names an
    // unknown control, does not apply to its control, or a waitfor times out, or when the
    // window closes before the script's end (then the running event loop ends with 2 too).
    // The reason goes to standard error with the line.
    int run();

private:
    int runSteps();
    // Empty when the step is done, otherwise why it failed.
    QString execute(const Step& step);
    QString waitFor(const Step& step, QObject& control);
    QString dump(const QString& path) const;
    QString screenshot(const QString& path) const;

    QWidget& window_;
    ScriptedDialogs& dialogs_;
    const Clock& clock_;
    Controls controls_;
    std::vector<Step> steps_;
    bool loaded_ = false;
};

} // namespace linknode
