#include "app/automation/automation_driver.h"

#include "app/automation/control_actions.h"
#include "app/automation/state_dump.h"
#include "core/clock.h"
#include "core/file_reader.h"
#include "core/file_writer.h"
#include "core/json_text.h"
#include "core/wait.h"
#include "form/scripted_dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace linknode {

namespace {
    // Real time between two looks at a waited state.
    constexpr double pollRealSeconds = 0.02;

    QString stateName(WaitState state)
    {
        switch (state) {
        case WaitState::Visible:
            return QStringLiteral("visible");
        case WaitState::Hidden:
            return QStringLiteral("hidden");
        case WaitState::Enabled:
            return QStringLiteral("enabled");
        case WaitState::Disabled:
            return QStringLiteral("disabled");
        }
        return {};
    }

    void report(const Step& step, const QString& problem)
    {
        std::fprintf(
            stderr, "automation: %s\n", qUtf8Printable(lineError(step.line, step.source, problem)));
    }
}

AutomationDriver::AutomationDriver(QWidget& window, ScriptedDialogs& dialogs, const Clock& clock,
    std::vector<QObject*> extraControls)
    : window_(window)
    , dialogs_(dialogs)
    , clock_(clock)
    , controls_(window, std::move(extraControls))
{
}

bool AutomationDriver::load(const QString& path, QString* error)
{
    loaded_ = false;
    steps_.clear();
    QFile file(path);
    QString problem;
    const auto text = readWholeFile(file, &problem);
    if (!text) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, problem);
        return false;
    }
    ParsedScript parsed = parseScript(QString::fromUtf8(*text));
    if (!parsed.ok()) {
        *error = parsed.error;
        return false;
    }
    steps_ = std::move(parsed.steps);
    loaded_ = true;
    return true;
}

int AutomationDriver::run()
{
    const int status = runSteps();
    // A window closed under the script has already ended the program's event loop with the
    // status known then; the script's own status replaces it.
    if (status != 0 && clock_.waitsAborted())
        QCoreApplication::exit(status);
    return status;
}

int AutomationDriver::runSteps()
{
    if (!loaded_)
        return 2;
    for (const Step& step : steps_) {
        if (clock_.waitsAborted()) {
            report(step, QStringLiteral("the window closed before this step"));
            return 2;
        }
        if (step.verb == Step::Verb::Quit) {
            window_.close();
            return 0;
        }
        if (const QString problem = execute(step); !problem.isEmpty()) {
            report(step, problem);
            return 2;
        }
        if (clock_.waitsAborted()) {
            report(step, QStringLiteral("the window closed during this step"));
            return 2;
        }
    }
    return 0;
}

QString AutomationDriver::execute(const Step& step)
{
    using Verb = Step::Verb;
    switch (step.verb) {
    case Verb::Answer:
        dialogs_.queueAnswer(step.cancel ? std::nullopt : std::optional(step.text));
        return {};
    case Verb::Wait:
        waitWhileEventsRun(clock_, step.seconds);
        return {};
    case Verb::Dump:
        return dump(step.text);
    case Verb::Screenshot:
        return screenshot(step.text);
    case Verb::Keys:
        return pressKeys(window_, step.keys);
    default:
        break;
    }

    QObject* control = controls_.find(step.name);
    if (!control)
        return QStringLiteral("unknown control \"%1\"").arg(step.name);
    switch (step.verb) {
    case Verb::Click:
        return clickControl(*control, false);
    case Verb::DoubleClick:
        return clickControl(*control, true);
    case Verb::Set:
        return setControlText(*control, step.text);
    case Verb::Type:
        return typeKeys(window_, *control, step.keys);
    case Verb::Check:
        return checkControl(*control, step.checked);
    case Verb::Select:
        return selectItem(*control, step.index);
    case Verb::Focus:
        return focusControl(window_, *control);
    case Verb::WaitFor:
        return waitFor(step, *control);
    default:
        return {};
    }
}

QString AutomationDriver::waitFor(const Step& step, QObject& control)
{
    const QPointer<QObject> watched(&control);
    const double start = clock_.now();
    const double poll = pollRealSeconds * clock_.speed();
    for (;;) {
        if (!watched)
            return QStringLiteral("%1 was destroyed while waiting").arg(step.name);
        const std::optional<bool> holds = stateHolds(*watched, step.state);
        if (!holds)
            return QStringLiteral("%1 cannot be %2").arg(step.name, stateName(step.state));
        if (*holds)
            return {};
        const double left = step.seconds - (clock_.now() - start);
        if (left <= 0)
            return QStringLiteral("%1 did not become %2 within %3 s")
                .arg(step.name, stateName(step.state))
                .arg(step.seconds);
        if (clock_.waitsAborted())
            return QStringLiteral("the window closed while waiting");
        waitWhileEventsRun(clock_, std::min(poll, left));
    }
}

QString AutomationDriver::dump(const QString& path) const
{
    // The dump holds the login box: the file writer makes a new file the owner's alone.
    QString error;
    if (writeWholeFile(path,
            jsonText(QJsonDocument(stateDump(controls_, dialogs_)), QJsonDocument::Indented),
            &error))
        return {};
    return QStringLiteral("cannot write %1: %2").arg(path, error);
}

QString AutomationDriver::screenshot(const QString& path) const
{
    // Through the one file writer: the picture may show a login or a gateway's password.
    QByteArray png;
    QBuffer buffer(&png);
    QString error;
    if (!buffer.open(QIODevice::WriteOnly) || !window_.grab().save(&buffer, "PNG"))
        error = QStringLiteral("the picture could not be made");
    else if (writeWholeFile(path, png, &error))
        return {};
    return QStringLiteral("cannot save the screenshot %1: %2").arg(path, error);
}

} // namespace linknode
