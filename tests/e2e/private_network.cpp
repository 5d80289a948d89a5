#include "tests/e2e/private_network.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>

namespace linknode {

namespace {
    const QString setUp = QStringLiteral(
        "ip link set lo up && ip link add veth0 type veth peer name veth1 && "
        "ip addr add 10.213.0.1/24 dev veth0 && ip link set veth0 up && ip link set veth1 up && "
        "ip route add default dev veth0 || exit 97\n");
}

QString privateNetworkUnavailable()
{
    QProcess probe;
    probe.start(QStringLiteral("unshare"),
        { QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"), setUp });
    if (!probe.waitForFinished(10000))
        return QStringLiteral("unshare -n did not finish");
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return QStringLiteral("cannot make a private network namespace here (unshare -n / ip): ")
            + QString::fromLocal8Bit(probe.readAllStandardError()).trimmed();
    return {};
}

RunResult runInPrivateNetwork(
    const QString& shellScript, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("unshare"),
        QStringList { QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"),
            setUp + shellScript, QStringLiteral("sh") }
            + arguments);
    RunResult result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitCode();
    result.standardError = process.readAllStandardError();
    return result;
}

QStringList synthetic(int count, const QStringList& more)
{
    return QStringList { QStringLiteral("--preset"), QStringLiteral("synthetic"),
        QStringLiteral("--count"), QString::number(count) }
    + more;
}

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size())
        << path.toStdString();
    return path;
}

std::vector<QJsonObject> jsonLines(const QString& path)
{
    std::vector<QJsonObject> lines;
    for (const QByteArray& line : fileText(path).split('\n'))
        if (!line.trimmed().isEmpty())
            lines.push_back(QJsonDocument::fromJson(line).object());
    return lines;
}

} // namespace linknode
