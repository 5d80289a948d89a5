#pragma once

#include "tests/e2e/private_network.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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
    // The script step that dumps the window's state to `name`.
    QByteArray dumpStep(const char* name) const
    {
        return "dump " + path(QString::fromLatin1(name)).toUtf8() + "\n";
    }
    // A state dump the script wrote with "dump PATH".
    QJsonObject dump(const QString& name) const;
    // Every journal line of the last run, in order.
    std::vector<QJsonObject> journal(const char* name = "journal.jsonl") const;

    static QJsonObject control(const QJsonObject& dump, const QString& name);
    static QString text(const QJsonObject& dump, const QString& name);

private:
    QTemporaryDir dir_;
};

// A test against a simulated site, skipped where private networks cannot be made.
class SiteTest : public testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = privateNetworkUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
    }

    SimulatedSite site;
};

} // namespace linknode
