#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace linknode {

// Runs programs inside a private network namespace: broadcasts come back to the local
// sockets there and reach no real network.
struct RunResult {
    int exitCode = -1;
    bool finished = false;
    QByteArray standardError;
};

// Empty when namespaces can be made here; otherwise the reason they cannot.
QString privateNetworkUnavailable();

// `shellScript` runs under sh -c inside the namespace, after loopback and a veth pair with a
// default route are up; "$1", "$2"... are `arguments`. The tool runs offscreen.
RunResult runInPrivateNetwork(
    const QString& shellScript, const QStringList& arguments, int timeoutMs = 60000);

// A test that needs private network namespaces, skipped with the reason where none can be made.
class PrivateNetworkTest : public testing::Test {
protected:
    void SetUp() override
    {
        static const QString reason = privateNetworkUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
    }
};

// The simulator's fleets: every model once, or `count` plain devices.
inline const QStringList allModels { QStringLiteral("--preset"), QStringLiteral("all-models") };
QStringList synthetic(int count, const QStringList& more = {});

// The files a run shares with the test: "" when missing, the path written, the JSON lines.
QByteArray fileText(const QString& path);
QString writeFile(const QString& path, const QByteArray& text);
std::vector<QJsonObject> jsonLines(const QString& path);

} // namespace linknode
