#include "sim/network_namespace.h"

namespace linknode::sim {

NamespaceVerdict judgeNamespace(const NamespaceFacts& facts)
{
    if (facts.own && facts.ownedByNestedUserNamespace)
        return { .isPrivate = true, .reason = {} };
    if (!facts.own || !facts.initial)
        return { .isPrivate = false,
            .reason = QStringLiteral("cannot tell this namespace from the system's own: ")
                + facts.unreadable };
    if (*facts.own == *facts.initial)
        return { .isPrivate = false,
            .reason = QStringLiteral("this is the system's own network namespace") };
    return { .isPrivate = true, .reason = {} };
}

} // namespace linknode::sim
