#pragma once

#include <QLoggingCategory>

// One category per subsystem, silent by default; switch them on in the field with
// QT_LOGGING_RULES="linknode.*.info=true" (or one of them: "linknode.link.info=true").
namespace linknode {

Q_DECLARE_LOGGING_CATEGORY(linkLog) // linknode.link: binds, sends and datagrams refused
Q_DECLARE_LOGGING_CATEGORY(discoveryLog) // linknode.discovery: replies not listed and why
Q_DECLARE_LOGGING_CATEGORY(commandsLog) // linknode.commands: commands refused before sending
Q_DECLARE_LOGGING_CATEGORY(saveLog) // linknode.save: saves and renames, refused or cut short

} // namespace linknode
