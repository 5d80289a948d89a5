#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace linknode {

// Writes `bytes` as the whole new content of `path`, or leaves the old file untouched: the
// text is written aside, flushed to the disk and checked, and only then renamed over the old
// file. On failure `error` says why. A new file is its owner's alone (0600), as it may hold a
// device's login, a gateway's password among them; an existing file keeps its mode. Another
// user's link in a shared folder is not followed (linkedTarget), nor a link planted at the
// target while the file was written (the rename replaces it).
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error);
// The same with the content written piece by piece by `produce`, so that a large text never
// stands in memory whole; false from it leaves the old file untouched.
bool writeWholeFile(
    const QString& path, const std::function<bool(QIODevice&)>& produce, QString* error);

// Where a file the technician named is written: a name with a folder as it stands; a bare name
// in the working folder where a new file can be made, else in `fallbackFolder` (a program
// started from its install folder, read-only for its user, still saves somewhere findable).
QString placeInWritableFolder(
    const QString& name, const QString& workingFolder, const QString& fallbackFolder);

} // namespace linknode
