#include "cli/run/input_file.h"

#include <QFile>
#include <cstdio>

namespace linknode {

std::optional<QByteArray> readInput(const QString& path, QString* problem)
{
    const bool standardInput = path == QLatin1String("-");
    QFile file(standardInput ? QString() : path);
    const bool opened
        = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    QByteArray content;
    if (opened)
        content = file.readAll();
    // A read can fail after a good open, as on a folder.
    if (!opened || file.error() != QFileDevice::NoError) {
        *problem = QStringLiteral("%1: %2").arg(
            standardInput ? QStringLiteral("standard input") : path, file.errorString());
        return std::nullopt;
    }
    return content;
}

} // namespace linknode
