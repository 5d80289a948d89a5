#pragma once

// The command line tool end to end: the real linknode against the device simulator in a
// private network, each run's output, messages and exit status kept in files.
#include "tests/e2e/private_network.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace linknode {

// Adds the devices' addresses, starts the simulator, runs the steps, stops the simulator.
inline const QString withSimulator = QStringLiteral(
    "sim=\"$1\"; L=\"$2\"; D=\"$3\"; shift 3\n"
    "for a in $(\"$sim\" \"$@\" --list-addresses); do ip addr add \"$a/32\" dev lo; done\n"
    "\"$sim\" \"$@\" --manage-addresses --journal \"$D/journal.jsonl\" 2>/dev/null & simulator=$!\n"
    "sleep 0.5\n"
    "run() { name=$1; shift; \"$L\" \"$@\" >\"$D/$name.out\" 2>\"$D/$name.err\"; "
    "echo $? >\"$D/$name.status\"; }\n"
    "%1\n"
    "kill $simulator; wait $simulator; exit 0");

class CliEndToEnd : public PrivateNetworkTest {
protected:
    // `steps` are shell lines; "run NAME ARGS..." runs linknode and keeps what it said.
    void runSteps(const QString& steps, const QStringList& simulator)
    {
        const RunResult result = runInPrivateNetwork(withSimulator.arg(steps),
            QStringList { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_CLI), dir.path() }
                + simulator,
            180000);
        ASSERT_TRUE(result.finished);
        ASSERT_EQ(result.exitCode, 0) << result.standardError.constData();
    }

    QByteArray read(const QString& name) const { return fileText(dir.filePath(name)); }
    QString write(const char* name, const QByteArray& text) const
    {
        return writeFile(dir.filePath(QString::fromLatin1(name)), text);
    }
    QString out(const char* step) const
    {
        return QString::fromUtf8(read(QString::fromLatin1(step) + QStringLiteral(".out")));
    }
    std::string err(const char* step) const
    {
        return read(QString::fromLatin1(step) + QStringLiteral(".err")).toStdString();
    }
    int status(const char* step) const
    {
        bool ok = false;
        const int value
            = read(QString::fromLatin1(step) + QStringLiteral(".status")).trimmed().toInt(&ok);
        return ok ? value : -1;
    }
    std::vector<QJsonObject> journal(const char* kind) const
    {
        std::vector<QJsonObject> lines;
        for (const QJsonObject& line : jsonLines(dir.filePath(QStringLiteral("journal.jsonl"))))
            if (line.value(QStringLiteral("kind")).toString() == QLatin1String(kind))
                lines.push_back(line);
        return lines;
    }
    QJsonObject jsonOf(const char* step) const
    {
        return QJsonDocument::fromJson(out(step).toUtf8()).object();
    }
    QTemporaryDir dir;
};

} // namespace linknode
