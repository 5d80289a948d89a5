#include "core/planted_link.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace linknode {

QString plantedLinkProblem(const QString& path)
{
    // As many links in a row as the system follows.
    constexpr int mostLinks = 40;
    QFileInfo link(path);
    for (int followed = 0;; ++followed) {
        struct stat status { };
        if (lstat(QFile::encodeName(link.filePath()).constData(), &status) != 0
            || !S_ISLNK(status.st_mode))
            return {};
        if (followed == mostLinks)
            return QStringLiteral("too many links in a row");
        // A folder that cannot be looked at fails the write itself, with its reason.
        struct stat folder { };
        if (stat(QFile::encodeName(link.absolutePath()).constData(), &folder) != 0)
            return {};
        const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
        if (shared && status.st_uid != geteuid() && status.st_uid != folder.st_uid)
            return followed == 0
                ? QStringLiteral("another user's link in a shared folder, not followed")
                : QStringLiteral("it leads through %1, another user's link in a shared folder, "
                                 "not followed")
                      .arg(link.filePath());
        link.setFile(link.symLinkTarget());
    }
}

} // namespace linknode
