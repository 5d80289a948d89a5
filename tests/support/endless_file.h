#pragma once

#include <QString>

namespace linknode {

// A file that never ends, for the 64 MiB limit of every reader: /dev/zero. Windows has none;
// empty there, and the check is left out.
inline QString endlessFile()
{
#ifdef Q_OS_WIN
    return {};
#else
    return QStringLiteral("/dev/zero");
#endif
}

} // namespace linknode
