#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace linknode {

// The whole content of the file at `path`, or of standard input for "-"; none, with the
// reason in `problem` (the caller names the path), when it cannot be read or is larger than
// 64 MiB.
std::optional<QByteArray> readInput(const QString& path, QString* problem);

} // namespace linknode
