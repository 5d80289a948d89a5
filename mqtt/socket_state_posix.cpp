#include "mqtt/socket_state.h"

#include <sys/ioctl.h>
#include <sys/socket.h>

namespace linknode {

int pendingSocketError(int socket)
{
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 ? error : 0;
}

bool socketHasBytesWaiting(int socket)
{
    int waiting = 0;
    return ioctl(socket, FIONREAD, &waiting) == 0 && waiting > 0;
}

} // namespace linknode
