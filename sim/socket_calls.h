#pragma once

#include <QByteArray>
#include <QHostAddress>

namespace linknode::sim {

// The system calls the simulator makes on its UDP socket where Qt offers no way.

// Asks for send and receive buffers of `size` bytes, past the system's cap where privileged.
void enlargeBuffers(qintptr descriptor, int size);

// Sends one datagram from `from` when it is not null (else the system chooses the source).
// Returns 0 or the system's error code.
int sendFrom(qintptr descriptor, const QByteArray& datagram, const QHostAddress& to, quint16 port,
    const QHostAddress& from);

// Whether a send refused with `error` may succeed a moment later.
bool clearsBySelf(int error);

} // namespace linknode::sim
