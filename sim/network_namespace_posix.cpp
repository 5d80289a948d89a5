#include "sim/network_namespace.h"

#include "core/system_error.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <linux/nsfs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linknode::sim {

namespace {

    const char* const ownNamespace = "/proc/self/ns/net";
    const char* const initNamespace = "/proc/1/ns/net";
    // kthreadd: pid 2 where /proc shows the first pid namespace, and a kernel thread.
    const char* const kernelThreadStat = "/proc/2/stat";
    const char* const kernelThreadNamespace = "/proc/2/ns/net";
    constexpr qulonglong kernelThreadFlag = 0x00200000; // PF_KTHREAD
    // Fixed by the kernel since Linux 3.8.
    constexpr quint64 initialUserNamespaceInode = 0xEFFFFFFDU;

    std::optional<quint64> inodeOf(const char* path, QString* error)
    {
        struct stat status { };
        if (stat(path, &status) == 0)
            return status.st_ino;
        *error
            = QStringLiteral("cannot read %1: %2")
                  .arg(QString::fromLatin1(path), QString::fromStdString(systemErrorText(errno)));
        return std::nullopt;
    }

    // Only a real kernel thread will do: a process of a container's pid namespace can be
    // pid 2 too, but it cannot set this flag.
    bool isKernelThread(const char* statPath)
    {
        QFile file(QString::fromLatin1(statPath));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray text = file.readAll();
        // The name in parentheses may hold spaces; after it come state, ppid, pgrp,
        // session, tty, tpgid and the flags.
        const qsizetype nameEnd = text.lastIndexOf(')');
        if (nameEnd < 0)
            return false;
        const QList<QByteArray> fields = text.mid(nameEnd + 1).simplified().split(' ');
        bool ok = false;
        const qulonglong flags = fields.value(6).toULongLong(&ok);
        return ok && (flags & kernelThreadFlag) != 0;
    }

    bool ownedByNestedUserNamespace(const char* path)
    {
        const int net = open(path, O_RDONLY | O_CLOEXEC);
        if (net < 0)
            return false;
        const int owner = ioctl(net, NS_GET_USERNS);
        close(net);
        if (owner < 0)
            return false;
        struct stat status { };
        const bool nested
            = fstat(owner, &status) == 0 && status.st_ino != initialUserNamespaceInode;
        close(owner);
        return nested;
    }

} // namespace

NamespaceFacts readNamespaceFacts()
{
    NamespaceFacts facts;
    facts.own = inodeOf(ownNamespace, &facts.unreadable);
    if (!facts.own)
        return facts;
    facts.ownedByNestedUserNamespace = ownedByNestedUserNamespace(ownNamespace);
    QString initError;
    facts.initial = inodeOf(initNamespace, &initError);
    if (!facts.initial && isKernelThread(kernelThreadStat)) {
        QString threadError;
        facts.initial = inodeOf(kernelThreadNamespace, &threadError);
        initError += QStringLiteral("; ") + threadError;
    }
    if (!facts.initial)
        facts.unreadable = initError;
    return facts;
}

} // namespace linknode::sim
