#include "cli/output/terminal.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace linknode {

// Text mode would turn each LF of the tool's output into CR LF, and the console would read
// the UTF-8 bytes in the system's code page.
void prepareStandardStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

// Asks the console rather than _isatty, which also says yes for NUL and other character devices.
bool standardErrorIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

// There is no SIGPIPE here: the write to a pipe whose reader is gone fails with
// ERROR_BROKEN_PIPE, and the program ends with that code, so a caller can still tell the
// listing was cut short.
void endAsOnClosedPipe()
{
    std::_Exit(ERROR_BROKEN_PIPE);
}

} // namespace linknode
