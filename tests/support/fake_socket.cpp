#include "tests/support/fake_socket.h"

namespace linknode {

FakeSocket::FakeSocket(std::function<double()> now)
    : now_(std::move(now))
{
}

bool FakeSocket::bind(quint16 localPort, QString* error)
{
    ++bindCalls;
    if (!failBind.isEmpty()) {
        if (error)
            *error = failBind;
        return false;
    }
    boundPort = localPort;
    return true;
}

bool FakeSocket::send(const QByteArray& datagram, const QHostAddress& host, quint16 port,
    int interfaceIndex, QString* error)
{
    if (!failSend.isEmpty()) {
        if (error)
            *error = failSend;
        return false;
    }
    sent.push_back({ datagram, host, port, now_ ? now_() : 0.0, interfaceIndex });
    return true;
}

void FakeSocket::inject(
    const QByteArray& datagram, const QString& fromHost, quint16 fromPort, int interfaceIndex)
{
    emit received(datagram, QHostAddress(fromHost), fromPort, interfaceIndex);
    emit drained();
}

void FakeSocket::injectBurst(const std::vector<QByteArray>& datagrams)
{
    for (const QByteArray& datagram : datagrams)
        emit received(datagram, QHostAddress(QStringLiteral("10.0.0.9")), 1024, 0);
    emit drained();
}

} // namespace linknode
