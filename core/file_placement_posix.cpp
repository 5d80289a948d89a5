#include "core/file_placement.h"

#include "core/system_error.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linknode {

QString linkedTarget(const QString& path, QString* problem)
{
    // As many links in a row as the system follows.
    constexpr int mostLinks = 40;
    QFileInfo link(path);
    for (int followed = 0;; ++followed) {
        struct stat status { };
        if (lstat(QFile::encodeName(link.filePath()).constData(), &status) != 0
            || !S_ISLNK(status.st_mode))
            return link.filePath();
        if (followed == mostLinks) {
            *problem = QStringLiteral("too many links in a row");
            return {};
        }
        // A folder that cannot be looked at fails the write itself, with its reason.
        struct stat folder { };
        if (stat(QFile::encodeName(link.absolutePath()).constData(), &folder) != 0)
            return link.filePath();
        const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
        if (shared && status.st_uid != geteuid() && status.st_uid != folder.st_uid) {
            *problem = followed == 0
                ? QStringLiteral("another user's link in a shared folder, not followed")
                : QStringLiteral("it leads through %1, another user's link in a shared folder, "
                                 "not followed")
                      .arg(link.filePath());
            return {};
        }
        link.setFile(link.symLinkTarget());
    }
}

bool replaceFile(const QString& written, const QString& target, QString* error)
{
    const int file = open(QFile::encodeName(written).constData(), O_RDONLY | O_CLOEXEC);
    // A full disk may tell only now.
    const bool synced = file >= 0 && fsync(file) == 0;
    const int syncError = errno;
    if (file >= 0)
        close(file);
    if (synced
        && std::rename(
               QFile::encodeName(written).constData(), QFile::encodeName(target).constData())
            == 0)
        return true;
    *error = QString::fromStdString(systemErrorText(synced ? errno : syncError));
    return false;
}

} // namespace linknode
