#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace linknode {

// One IPv4 address of a network adapter of this PC.
struct NetworkAdapter {
    int index = 0; // the system's interface index
    QString name; // as the system shows it: "eth0", on Windows "Ethernet 2"
    quint32 address = 0;
    quint32 netmask = 0;
    bool up = false;
    bool hasBroadcast = false; // the adapter can broadcast and has a broadcast address
};

// The adapters a limited broadcast (255.255.255.255) must leave through to reach every
// device: up, with a broadcast address, one per subnet (a second adapter on a subnet already
// served would deliver a second copy to the same devices). In the order given.
std::vector<NetworkAdapter> broadcastAdapters(const std::vector<NetworkAdapter>& adapters);

// This PC's adapters, one entry per IPv4 address.
std::vector<NetworkAdapter> systemAdapters();

// The name of the adapter with this index ("" when unknown).
QString adapterName(int index);

} // namespace linknode
