#pragma once

#include <QString>

namespace linknode {

// Why the file `path` must not be written through the link it is, or through a link that one
// leads to; empty when it may. QSaveFile resolves links itself, so the system's guard for
// shared folders (fs.protected_symlinks) never sees them: its rule is kept here. In a sticky
// folder everyone can write (/tmp), a link is followed only when it belongs to the program's
// user or to the folder's owner; another user's link there could aim a root's save at any file.
QString plantedLinkProblem(const QString& path);

} // namespace linknode
