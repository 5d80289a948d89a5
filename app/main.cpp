#include "app/application.h"
#include "app/automation/automation_driver.h"
#include "core/clock.h"
#include "core/standard_descriptors.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "form/scripted_dialogs.h"
#include "form/zoom.h"
#include "link/traffic_log.h"
#include "link/udp_socket.h"
#include "widgets/window_font.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>
#include <optional>

using namespace linknode;

namespace {
const QCommandLineOption script(QStringLiteral("automation"),
    QStringLiteral("Run the steps of SCRIPT on the window after start-up."),
    QStringLiteral("SCRIPT"));
const QCommandLineOption trafficLog(QStringLiteral("traffic-log"),
    QStringLiteral("Append every datagram sent or received to FILE as JSON lines (a new FILE is "
                   "readable by its owner only: datagrams carry logins)."),
    QStringLiteral("FILE"));
const QCommandLineOption trafficLogTruncate(QStringLiteral("traffic-log-truncate"),
    QStringLiteral("Start the traffic log FILE over instead of appending to it."));

const QCommandLineOption zoom(QStringLiteral("zoom"),
    QStringLiteral("Draw the window at PERCENT of its design size, 100 to 200, fonts and all "
                   "(Ctrl+plus and Ctrl+minus change it while the window runs)."),
    QStringLiteral("PERCENT"), QStringLiteral("100"));

void describe(QCommandLineParser& options)
{
    QCoreApplication::setApplicationName(QStringLiteral("LINKNODE TOOL"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKNODE_VERSION));
    options.setApplicationDescription(
        QStringLiteral("Finds, configures and commands networked field devices over UDP."));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(script);
    options.addOption(trafficLog);
    options.addOption(trafficLogTruncate);
    options.addOption(zoom);
}

// --help and --version answer without a window, so they work where there is no display.
bool asksOnlyForInformation(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "-?" || argument == "--help-all"
            || argument == "--version" || argument == "-v")
            return true;
    }
    return false;
}
}

int main(int argc, char** argv)
{
    fillClosedStandardDescriptors();
    QCommandLineParser options;
    describe(options);
    if (asksOnlyForInformation(argc, argv)) {
        QCoreApplication app(argc, argv);
        options.process(app); // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    // Desktops match the running window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("linknode-tool"));
    options.process(app);
    const std::optional<int> percent = zoomPercent(options.value(zoom));
    if (!percent) {
        std::fprintf(stderr, "--zoom takes a whole percentage from %d to %d, not \"%s\"\n",
            kSmallestZoom, kLargestZoom, qPrintable(options.value(zoom)));
        return 2;
    }
    useWindowFont();

    Clock clock;
    UdpSocket sendSocket;
    UdpSocket receiveSocket;
    const bool automated = options.isSet(script);
    // Under automation no box is modal: each is recorded and answered from the script.
    ScriptedDialogs scriptedDialogs(true);
    QtDialogs qtDialogs;
    Dialogs& dialogs = automated ? static_cast<Dialogs&>(scriptedDialogs) : qtDialogs;

    TrafficLog log(clock);
    if (options.isSet(trafficLog)) {
        QString error;
        const auto start = options.isSet(trafficLogTruncate) ? TrafficLog::Start::Empty
                                                             : TrafficLog::Start::Append;
        if (!log.open(options.value(trafficLog), &error, start)) {
            std::fprintf(stderr, "cannot write the traffic log %s: %s\n",
                qPrintable(options.value(trafficLog)), qPrintable(error));
            return 2;
        }
    }

    Application tool(sendSocket, receiveSocket, dialogs, clock);
    qtDialogs.setParentWindow(&tool.form);
    tool.form.setZoom(*percent);
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
