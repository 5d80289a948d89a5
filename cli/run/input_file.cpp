#include "cli/run/input_file.h"

#include "core/file_reader.h"

#include <cstdio>

namespace linknode {

std::optional<QByteArray> readInput(const QString& path, QString* problem)
{
    const bool standardInput = path == QLatin1String("-");
    QFile file(standardInput ? QString() : path);
    if (standardInput && !file.open(stdin, QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    return readWholeFile(file, problem);
}

} // namespace linknode
