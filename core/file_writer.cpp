#include "core/file_writer.h"

#include "core/planted_link.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace linknode {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    return writeWholeFile(
        path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }, error);
}

bool writeWholeFile(
    const QString& path, const std::function<bool(QIODevice&)>& produce, QString* error)
{
    if (const QString problem = plantedLinkProblem(path); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    QSaveFile file(path);
    // QSaveFile gives an existing file's mode to its replacement; a new one would get the
    // umask's, readable by everyone.
    const bool created = !QFileInfo::exists(path);
    const bool written = file.open(QIODevice::WriteOnly)
        && (!created || file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        && produce(file) && file.flush() && file.error() == QFileDevice::NoError;
    if (written && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

QString placeInWritableFolder(
    const QString& name, const QString& workingFolder, const QString& fallbackFolder)
{
    if (!QFileInfo(name).isRelative())
        return name;
    const QFileInfo working(workingFolder);
    const bool writable = working.isDir() && working.isWritable();
    return QDir(writable ? workingFolder : fallbackFolder).filePath(name);
}

} // namespace linknode
