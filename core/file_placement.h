#pragma once

#include <QString>

// Where a whole file is written, and how it takes its place: the calls into the system.
namespace linknode {

// The file a write to `path` lands in: `path` itself, or where the links it is lead. Empty, with
// the reason in `problem`, when a link must not be followed: the system's guard for shared
// folders (fs.protected_symlinks) is kept here, as a program that resolves links itself never
// meets it. In a sticky folder everyone can write (/tmp), a link is followed only when it
// belongs to the program's user or to the folder's owner; another user's link there could aim
// a root's save at any file.
QString linkedTarget(const QString& path, QString* problem);

// Puts the written and closed file `written` in the place of `target` in one step, once its
// bytes are on the disk. The name `target` itself is replaced: a link planted there since it
// was resolved is replaced too, never followed.
bool replaceFile(const QString& written, const QString& target, QString* error);

} // namespace linknode
