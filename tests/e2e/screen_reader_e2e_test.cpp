// What a screen reader hears from the real window, over AT-SPI as Orca reads it: the window on
// a virtual X server (Xvfb) with Qt's AT-SPI bridge, in a private D-Bus session with its own
// accessibility bus, a device selected; tests/e2e/check-screen-reader walks the tree.
#include "tests/e2e/private_network.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace linknode;

namespace {

const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
const QString python = QStringLiteral("/usr/bin/python3");

// Empty when the X server, the session bus, the accessibility bus and pyatspi are here.
QString screenReaderUnavailable()
{
    for (const char* program : { "Xvfb", "dbus-run-session" }) {
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            return QStringLiteral("%1 is missing (scripts/install-deps tests)")
                .arg(QLatin1String(program));
    }
    if (!QFileInfo(launcher).isExecutable())
        return launcher + QStringLiteral(" is missing (at-spi2-core)");
    QProcess probe;
    probe.start(python, { QStringLiteral("-c"), QStringLiteral("import pyatspi") });
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
        return QStringLiteral("pyatspi is missing (python3-pyatspi)");
    return {};
}

// The simulator, a free X display, the tool on it under a session bus with the accessibility
// bus launched, and the checker, whose verdict is the exit status.
const QString onScreen = QStringLiteral(
    "sim=\"$1\"; tool=\"$2\"; script=\"$3\"; checker=\"$4\"; display=\"$5\"; shift 5\n"
    "\"$sim\" \"$@\" --list-addresses | sed 's|.*|addr add &/32 dev lo|' | ip -batch - "
    "|| exit 98\n"
    "\"$sim\" \"$@\" & simulator=$!\n"
    "Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>\"$display\" 2>/dev/null & "
    "xvfb=$!\n"
    "for i in $(seq 100); do [ -s \"$display\" ] && break; sleep 0.1; done\n"
    "export DISPLAY=\":$(cat \"$display\")\" QT_QPA_PLATFORM=xcb "
    "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1\n"
    "dbus-run-session -- sh -c '\n"
    "  /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!\n"
    "  \"$1\" --automation \"$2\" & tool=$!\n"
    "  /usr/bin/python3 \"$3\" 1>&2; status=$?\n"
    "  kill $tool $launcher; wait $tool\n"
    "  exit $status' sh \"$tool\" \"$script\" \"$checker\"\n"
    "status=$?\n"
    "kill $simulator $xvfb; wait $simulator $xvfb\n"
    "exit $status");

class ScreenReaderEndToEnd : public PrivateNetworkTest {
protected:
    void SetUp() override
    {
        PrivateNetworkTest::SetUp();
        static const QString reason = screenReaderUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
    }
};

TEST_F(ScreenReaderEndToEnd, EveryControlOnScreenIsNamedAndNothingUnseenIsRead)
{
    QTemporaryDir folder;
    // The checker reads while the script waits; the tool ends when it has.
    const QString script = writeFile(folder.filePath(QStringLiteral("script.txt")),
        "waitfor B_ASK_CFG visible 20\nselect LST_KRT 0\nwait 60\nquit\n");
    const RunResult run = runInPrivateNetwork(onScreen,
        QStringList { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_TOOL), script,
            QStringLiteral(LINKNODE_SCREEN_READER_CHECK),
            folder.filePath(QStringLiteral("display")) }
            + allModels + QStringList { QStringLiteral("--manage-addresses") },
        90000);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError.constData();
}

} // namespace
