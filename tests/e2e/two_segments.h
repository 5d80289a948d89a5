#pragma once

#include <QByteArray>
#include <QString>

namespace linknode {

// Shell functions for a script run by runInPrivateNetwork: `segment N SIM FLEET JOURNAL`
// joins a new network namespace to this one by a veth pair, as segment 10.N.0.0/24 (this side
// 10.N.0.1 with its broadcast address, the other side 10.N.0.2), adds the fleet's addresses
// there and starts the simulator in it; `stop_segments` ends them. Needs root (nsenter).
inline const QString twoSegmentFunctions = QStringLiteral(R"(
segment() {
    n=$1; sim=$2; fleet=$3; journal=$4
    unshare -n sleep 600 & holder=$!
    sleep 0.2
    ip link add "seg$n" type veth peer name "peer$n"
    ip link set "peer$n" netns $holder
    ip addr add "10.$n.0.1/24" brd + dev "seg$n"
    ip link set "seg$n" up
    nsenter -t $holder -n sh -c "
        ip link set lo up
        ip addr add 10.$n.0.2/24 brd + dev peer$n
        ip link set peer$n up
        for a in \$('$sim' --fleet '$fleet' --list-addresses); do ip addr add \$a/32 dev lo; done
        '$sim' --fleet '$fleet' --journal '$journal' --manage-addresses 2>/dev/null &
        echo \$! > '$journal.pid'"
    holders="$holders $holder"
}
stop_segments() {
    for holder in $holders; do kill $holder 2>/dev/null; done
    for pidfile in "$@"; do kill $(cat "$pidfile") 2>/dev/null; done
}
)");

// Two devices of segment N, at 10.N.0.11 and .12 with MACs 0-80-194-N-0-1 and -2; `more`
// adds devices (",{...}").
inline QByteArray segmentFleet(int segment, const QByteArray& more = {})
{
    return QStringLiteral(R"({"devices": [
        {"mac": "0-80-194-%1-0-1", "ip": "10.%1.0.11", "mask": "255.255.255.0",
         "gateway": "10.%1.0.1", "mode": "1", "hostIp": "10.%1.0.1", "hostPort": "23"},
        {"mac": "0-80-194-%1-0-2", "ip": "10.%1.0.12", "mask": "255.255.255.0",
         "gateway": "10.%1.0.1", "mode": "1", "hostIp": "10.%1.0.1", "hostPort": "23"})")
               .arg(segment)
               .toUtf8()
        + more + "]}";
}

} // namespace linknode
