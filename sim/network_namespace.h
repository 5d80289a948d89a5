#pragma once

#include <QString>
#include <optional>

namespace linknode::sim {

// What this process can learn of the network namespace it runs in.
struct NamespaceFacts {
    std::optional<quint64> own {}; // inode of /proc/self/ns/net
    std::optional<quint64> initial {}; // inode of the namespace the system started with
    // Owned by a user namespace other than the first one (unshare -rn): then it cannot be
    // the namespace the system started with, whatever else is unreadable.
    bool ownedByNestedUserNamespace = false;
    QString unreadable {}; // why `own` or `initial` could not be read
};

struct NamespaceVerdict {
    bool isPrivate = false;
    QString reason {}; // why it is not taken for private; empty when it is
};

// A namespace is private only when that is proven: a fact that cannot be read counts against.
NamespaceVerdict judgeNamespace(const NamespaceFacts& facts);

// Reads the facts from /proc. The initial namespace is pid 1's or, where pid 1 cannot be
// read (an init that hides itself), a kernel thread's: kernel threads never leave it.
NamespaceFacts readNamespaceFacts();

} // namespace linknode::sim
