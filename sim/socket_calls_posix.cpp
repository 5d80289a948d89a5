#include "sim/socket_calls.h"

#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>

namespace linknode::sim {

void enlargeBuffers(qintptr descriptor, int size)
{
    const int fd = static_cast<int>(descriptor);
    if (setsockopt(fd, SOL_SOCKET, SO_SNDBUFFORCE, &size, sizeof size) != 0)
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0)
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
}

// A full send buffer (EAGAIN) or a full device queue (ENOBUFS) clears by itself.
bool clearsBySelf(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == ENOBUFS || error == EINTR;
}

// The source address goes in ipi_spec_dst of IP_PKTINFO. Sent here rather than through
// QUdpSocket, whose sender address left the source unchanged on Linux, and so the exact errno
// decides about a retry.
int sendFrom(qintptr descriptor, const QByteArray& datagram, const QHostAddress& to, quint16 port,
    const QHostAddress& from)
{
    sockaddr_in target {};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(to.toIPv4Address());
    iovec data { const_cast<char*>(datagram.constData()), static_cast<size_t>(datagram.size()) };
    msghdr message {};
    message.msg_name = &target;
    message.msg_namelen = sizeof target;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] {};
    if (!from.isNull()) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info {};
        info.ipi_spec_dst.s_addr = htonl(from.toIPv4Address());
        std::memcpy(CMSG_DATA(header), &info, sizeof info);
    }
    return ::sendmsg(static_cast<int>(descriptor), &message, 0) >= 0 ? 0 : errno;
}

} // namespace linknode::sim
