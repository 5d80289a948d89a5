#include "mqtt/socket_state.h"

#include <winsock2.h>

namespace linknode {

// libmosquitto gives its SOCKET as an int; Winsock takes the handle and a char buffer.

int pendingSocketError(int socket)
{
    int error = 0;
    int size = sizeof error;
    return getsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_ERROR,
               reinterpret_cast<char*>(&error), &size)
            == 0
        ? error
        : 0;
}

bool socketHasBytesWaiting(int socket)
{
    u_long waiting = 0;
    return ioctlsocket(static_cast<SOCKET>(socket), FIONREAD, &waiting) == 0 && waiting > 0;
}

} // namespace linknode
