#include "sim/socket_calls.h"

#include <winsock2.h>

namespace linknode::sim {

// Windows takes the size asked for; there is no cap for privilege to pass.
void enlargeBuffers(qintptr descriptor, int size)
{
    const auto socket = static_cast<SOCKET>(descriptor);
    const char* value = reinterpret_cast<const char*>(&size);
    const int length = static_cast<int>(sizeof size);
    setsockopt(socket, SOL_SOCKET, SO_SNDBUF, value, length);
    setsockopt(socket, SOL_SOCKET, SO_RCVBUF, value, length);
}

// A full send buffer or a full device queue clears by itself.
bool clearsBySelf(int error)
{
    return error == WSAEWOULDBLOCK || error == WSAENOBUFS;
}

// Choosing the source here takes WSASendMsg with a control message; the source matters only
// for addresses the simulator puts on the loopback interface, which it does on Linux alone.
// So the system chooses the source, as for any other datagram.
int sendFrom(qintptr descriptor, const QByteArray& datagram, const QHostAddress& to, quint16 port,
    const QHostAddress&)
{
    sockaddr_in target {};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(to.toIPv4Address());
    const int sent = sendto(static_cast<SOCKET>(descriptor), datagram.constData(),
        static_cast<int>(datagram.size()), 0, reinterpret_cast<const sockaddr*>(&target),
        static_cast<int>(sizeof target));
    return sent == SOCKET_ERROR ? WSAGetLastError() : 0;
}

} // namespace linknode::sim
