#include "core/file_writer.h"

#include "core/file_placement.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace linknode {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    return writeWholeFile(
        path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }, error);
}

bool writeWholeFile(
    const QString& path, const std::function<bool(QIODevice&)>& produce, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    QString problem;
    const QString target = linkedTarget(path, &problem);
    if (target.isEmpty())
        return fail(problem);
    // Written aside in the same folder, so that the rename stays on one file system; created
    // for its owner alone (a new file may hold a device's login), an existing file's mode given
    // to its replacement.
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    const QFileInfo existing(target);
    const bool written = file.open()
        && (!existing.isFile() || file.setPermissions(existing.permissions())) && produce(file)
        && file.flush() && file.error() == QFileDevice::NoError;
    if (!written)
        return fail(file.errorString());
    file.close();
    if (!replaceFile(file.fileName(), target, &problem))
        return fail(problem);
    file.setAutoRemove(false); // it has taken the target's name
    return true;
}

QString placeInWritableFolder(
    const QString& name, const QString& workingFolder, const QString& fallbackFolder)
{
    if (!QFileInfo(name).isRelative())
        return name;
    // Asked by creating a file there: Windows' folder rights (Program Files, where the Start
    // menu's shortcut starts the window) are not what QFileInfo::isWritable() reads.
    QTemporaryFile probe(QDir(workingFolder).filePath(QStringLiteral(".linknode-XXXXXX")));
    const bool writable = probe.open();
    return QDir(writable ? workingFolder : fallbackFolder).filePath(name);
}

} // namespace linknode
