#include "cli/output/terminal.h"

#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace linknode {

// The streams carry bytes unchanged here, and terminals take UTF-8.
void prepareStandardStreams() { }

bool standardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

// The network library ignores SIGPIPE, so a closed pipe shows as EPIPE: SIGPIPE is raised
// again with its default action.
void endAsOnClosedPipe()
{
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);
}

} // namespace linknode
