#pragma once

#include <QFile>
#include <optional>

namespace linknode {

// rwx of the owner, the group and others, from the mode's highest bit down.
inline constexpr QFileDevice::Permission modeBits[] = { QFileDevice::ReadOwner,
    QFileDevice::WriteOwner, QFileDevice::ExeOwner, QFileDevice::ReadGroup, QFileDevice::WriteGroup,
    QFileDevice::ExeGroup, QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther };

// A file's rights as POSIX mode bits (0640). None on Windows, where rights are access lists
// the programs leave as the folder gives them, and Qt shows only the read-only flag.
inline std::optional<unsigned> posixMode(const QString& path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return std::nullopt;
#else
    const QFileDevice::Permissions rights = QFile::permissions(path);
    unsigned mode = 0;
    for (const QFileDevice::Permission bit : modeBits)
        mode = (mode << 1) | (rights.testFlag(bit) ? 1u : 0u);
    return mode;
#endif
}

// Gives a file these mode bits; on Windows only the owner's write bit counts (read-only flag).
inline bool setPosixMode(const QString& path, unsigned mode)
{
    QFileDevice::Permissions rights;
    for (unsigned i = 0; i < std::size(modeBits); ++i)
        if (mode & (0400u >> i))
            rights |= modeBits[i];
    return QFile::setPermissions(path, rights);
}

} // namespace linknode
