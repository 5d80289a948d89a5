#pragma once

#include <QByteArray>
#include <QFile>

namespace linknode {

// A file's bytes, "(missing)" when it cannot be read.
inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace linknode
