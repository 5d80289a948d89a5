#include "sim/loopback_addresses.h"

#include <QProcess>
#include <utility>

namespace linknode::sim {

namespace {

    constexpr int waitMs = 5000;

} // namespace

IpCommandAddresses::IpCommandAddresses(QString program)
    : program_(std::move(program))
{
}

QString IpCommandAddresses::add(const QByteArray& address)
{
    return run(QStringLiteral("add"), address);
}

QString IpCommandAddresses::remove(const QByteArray& address)
{
    return run(QStringLiteral("del"), address);
}

QString IpCommandAddresses::run(const QString& verb, const QByteArray& address)
{
    const QStringList arguments { QStringLiteral("addr"), verb,
        QString::fromLatin1(address) + QStringLiteral("/32"), QStringLiteral("dev"),
        QStringLiteral("lo") };
    QProcess process;
    process.start(program_, arguments);
    if (!process.waitForStarted(waitMs))
        return program_ + QStringLiteral(": ") + process.errorString();
    if (!process.waitForFinished(waitMs)) {
        process.kill();
        process.waitForFinished(waitMs);
        return program_ + QStringLiteral(" did not finish");
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program_ + u' ' + arguments.join(u' ') + QStringLiteral(": ")
            + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return {};
}

} // namespace linknode::sim
