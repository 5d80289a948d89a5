#include "sim/network_namespace.h"

namespace linknode::sim {

// With no namespace to prove private, the simulator stays on loopback unless told otherwise.
NamespaceFacts readNamespaceFacts()
{
    NamespaceFacts facts;
    facts.unreadable = QStringLiteral("network namespaces exist on Linux only");
    return facts;
}

} // namespace linknode::sim
