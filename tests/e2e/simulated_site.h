#pragma once

#include "tests/e2e/private_network.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <vector>

namespace linknode {

// The real tool, driven by an automation script, against the device simulator in a private
// network: the simulator's devices have their addresses on loopback and it journals every
// datagram it receives.
class SimulatedSite {
public:
    // Runs `steps` (then "quit") against a simulator started with `simulatorArguments`.
    // With `restartAfterEnquiries` N, that simulator stops right after its Nth enquiry and a
    // second one with the same arguments takes its place, journalling to "journal-2.jsonl".
    RunResult run(const QByteArray& steps, const QStringList& simulatorArguments,
        int restartAfterEnquiries = 0);

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const char* name, const QByteArray& text) const
    {
        return writeFile(path(QString::fromLatin1(name)), text);
    }
    // The script step that dumps the window's state to `name`.
    QByteArray dumpStep(const char* name) const
    {
        return "dump " + path(QString::fromLatin1(name)).toUtf8() + "\n";
    }
    // A state dump the script wrote with "dump PATH".
    QJsonObject dump(const char* name) const;
    // The journal lines of `kind` of the last run, in order.
    std::vector<QJsonObject> journal(const char* kind, const char* name = "journal.jsonl") const;

    static QJsonObject control(const QJsonObject& dump, const char* name);
    static QString text(const QJsonObject& dump, const char* name);
    // The device list's lines, and their MACs.
    static QStringList listed(const QJsonObject& dump);
    static QStringList macs(const QJsonObject& dump);

private:
    QTemporaryDir dir_;
};

// A test against a simulated site, skipped where private networks cannot be made.
class SiteTest : public PrivateNetworkTest {
protected:
    // Runs the steps and asserts the tool ended well.
    void runSite(const QByteArray& steps, const QStringList& simulator, int restart = 0)
    {
        const RunResult run = site.run(steps, simulator, restart);
        ASSERT_TRUE(run.finished);
        ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();
    }

    SimulatedSite site;
};

} // namespace linknode
