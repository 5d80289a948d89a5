#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace linknode {

// The most a file or standard input read by the programs may hold. Sites, plans, inventories,
// scripts and fleets are far smaller; the bound keeps an endless input (/dev/zero, a pipe
// that never ends) from filling the memory.
inline constexpr qint64 largestInput = 64 * 1024 * 1024;

// The whole content of `file`, opened here for reading unless it is open already; none, with
// the reason in `problem` (the system's, or "larger than 64 MiB"), when it cannot be read
// whole. Never more than largestInput + 1 bytes are read.
std::optional<QByteArray> readWholeFile(QFile& file, QString* problem);

} // namespace linknode
