#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace linknode {

// The whole content of the file at `path`, or of standard input for "-"; none, with
// "PATH: reason" in `problem`, when it cannot be read.
std::optional<QByteArray> readInput(const QString& path, QString* problem);

} // namespace linknode
