#include "core/planted_link.h"

namespace linknode {

// Windows has no sticky folders: the rule has nothing to keep there.
QString plantedLinkProblem(const QString&)
{
    return {};
}

} // namespace linknode
