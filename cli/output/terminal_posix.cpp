#include "cli/output/terminal.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace linknode {

// The streams carry bytes unchanged here, and terminals take UTF-8.
void prepareStandardStreams() { }

bool standardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

std::optional<std::string> askUnseen(const std::string& prompt)
{
    termios shown {};
    if (isatty(STDIN_FILENO) != 1 || tcgetattr(STDIN_FILENO, &shown) != 0)
        return std::nullopt;
    termios unseen = shown;
    unseen.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &unseen);
    std::string typed;
    char c = 0;
    while (read(STDIN_FILENO, &c, 1) == 1 && c != '\n')
        typed += c;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
    // The line end typed was not shown either.
    std::fputs("\n", stderr);
    return typed;
}

bool isClosedOutputPipe(int error)
{
    return error == EPIPE;
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
