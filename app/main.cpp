#include "app/application.h"
#include "app/automation/automation_driver.h"
#include "core/clock.h"
#include "form/dialogs.h"
#include "form/scripted_dialogs.h"
#include "link/traffic_log.h"
#include "link/udp_socket.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

using namespace linknode;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LINKNODE TOOL"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Finds, configures and commands networked field devices over UDP."));
    options.addHelpOption();
    const QCommandLineOption script(QStringLiteral("automation"),
        QStringLiteral("Run the steps of SCRIPT on the window after start-up."),
        QStringLiteral("SCRIPT"));
    const QCommandLineOption trafficLog(QStringLiteral("traffic-log"),
        QStringLiteral("Write every datagram sent or received to FILE as JSON lines."),
        QStringLiteral("FILE"));
    options.addOption(script);
    options.addOption(trafficLog);
    options.process(app);

    Clock clock;
    UdpSocket sendSocket;
    UdpSocket receiveSocket;
    const bool automated = options.isSet(script);
    // Under automation no box is modal: each is recorded and answered from the script.
    ScriptedDialogs scriptedDialogs(true);
    QtDialogs qtDialogs(nullptr);
    Dialogs& dialogs = automated ? static_cast<Dialogs&>(scriptedDialogs) : qtDialogs;

    TrafficLog log(clock);
    if (options.isSet(trafficLog)) {
        QString error;
        if (!log.open(options.value(trafficLog), &error)) {
            std::fprintf(stderr, "cannot write the traffic log %s: %s\n",
                qPrintable(options.value(trafficLog)), qPrintable(error));
            return 2;
        }
    }

    Application tool(sendSocket, receiveSocket, dialogs, clock);
    tool.link.setTrafficLog(options.isSet(trafficLog) ? &log : nullptr);

    AutomationDriver driver(tool.form, scriptedDialogs, clock, { &sendSocket, &receiveSocket });
    if (automated) {
        QString error;
        if (!driver.load(options.value(script), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
    }

    int status = 0;
    QObject::connect(
        &tool.shell, &ShellController::ended, &app, [&status] { QApplication::exit(status); });
    if (!tool.shell.Form_Load())
        return 1;
    if (automated) {
        QTimer::singleShot(0, &tool.form, [&] {
            status = driver.run();
            tool.form.close();
        });
    }
    return QApplication::exec();
}
