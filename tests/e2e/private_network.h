#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

} // namespace linknode
