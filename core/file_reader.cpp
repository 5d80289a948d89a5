#include "core/file_reader.h"

#include <algorithm>

namespace linknode {

std::optional<QByteArray> readWholeFile(QFile& file, QString* problem)
{
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    // In pieces rather than readAll(), which would grow with the input to its end.
    QByteArray content;
    char piece[64 * 1024];
    for (;;) {
        const qint64 wanted = std::min<qint64>(sizeof piece, largestInput + 1 - content.size());
        const qint64 count = file.read(piece, wanted);
        // A read can fail after a good open, as on a folder.
        if (count < 0) {
            *problem = file.errorString();
            return std::nullopt;
        }
        if (count == 0)
            return content;
        content.append(piece, count);
        if (content.size() > largestInput) {
            *problem = QStringLiteral("larger than %1 MiB").arg(largestInput / (1024 * 1024));
            return std::nullopt;
        }
    }
}

} // namespace linknode
