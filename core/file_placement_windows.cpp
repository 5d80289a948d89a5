#include "core/file_placement.h"

#include <windows.h>

namespace linknode {

// Windows has no sticky folders: the rule has nothing to keep there.
QString linkedTarget(const QString& path, QString*)
{
    return path;
}

bool replaceFile(const QString& written, const QString& target, QString* error)
{
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(written.utf16()),
            reinterpret_cast<const wchar_t*>(target.utf16()),
            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *error = qt_error_string(static_cast<int>(GetLastError()));
    return false;
}

} // namespace linknode
