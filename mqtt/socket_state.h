#pragma once

namespace linknode {

// What the system says of libmosquitto's socket, which the library hands over as a plain
// number on every system.

// The error a connection in progress ended with (SO_ERROR), 0 for none or when it cannot be
// read: errno's code, on Windows the socket calls' own.
int pendingSocketError(int socket);

// Whether bytes wait to be read, so the next packet can be taken without asking the event loop.
bool socketHasBytesWaiting(int socket);

} // namespace linknode
