#include "core/logging.h"

namespace linknode {

Q_LOGGING_CATEGORY(linkLog, "linknode.link", QtWarningMsg)
Q_LOGGING_CATEGORY(discoveryLog, "linknode.discovery", QtWarningMsg)
Q_LOGGING_CATEGORY(commandsLog, "linknode.commands", QtWarningMsg)
Q_LOGGING_CATEGORY(saveLog, "linknode.save", QtWarningMsg)

} // namespace linknode
