#pragma once

#include <QByteArray>
#include <QString>

namespace linknode {

// Writes `bytes` as the whole new content of `path`, or leaves the old file untouched: the
// text is written aside, flushed and checked, and only then renamed over the old file. On
// failure `error` says why. (Qt 6.4's QSaveFile::commit() reports success on a full disk
// while data still sits in its buffer, and renames an empty file over the old one.)
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace linknode
