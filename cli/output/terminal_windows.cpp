#include "cli/output/terminal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>

namespace linknode {

namespace {
    // The console is the user's and outlives the program: the programs run in it after this
    // one expect their own code page.
    UINT codePageBefore = 0;

    void restoreCodePage()
    {
        if (codePageBefore != 0)
            SetConsoleOutputCP(codePageBefore);
    }
}

// Text mode would turn each LF of the tool's output into CR LF, and the console would read
// the UTF-8 bytes in the system's code page.
void prepareStandardStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const UINT before = GetConsoleOutputCP(); // 0 without a console
    if (before != 0 && before != CP_UTF8 && codePageBefore == 0 && SetConsoleOutputCP(CP_UTF8)) {
        codePageBefore = before;
        std::atexit(restoreCodePage);
    }
}

// Asks the console rather than _isatty, which also says yes for NUL and other character devices.
bool standardErrorIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

std::optional<std::string> askUnseen(const std::string& prompt)
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD shown = 0;
    if (!GetConsoleMode(input, &shown))
        return std::nullopt;
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    SetConsoleMode(input, shown & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    std::wstring typed;
    wchar_t c = 0;
    DWORD count = 0;
    while (ReadConsoleW(input, &c, 1, &count, nullptr) && count == 1 && c != L'\n')
        if (c != L'\r')
            typed += c;
    SetConsoleMode(input, shown);
    std::fputs("\n", stderr);
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, typed.data(), static_cast<int>(typed.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, typed.data(), static_cast<int>(typed.size()), utf8.data(), size,
        nullptr, nullptr);
    return utf8;
}

// WriteFile fails with ERROR_NO_DATA, which the C library turns into EINVAL; EINVAL on a
// pipe says nothing else for a plain write.
bool isClosedOutputPipe(int error)
{
    return error == EPIPE
        || (error == EINVAL && GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_PIPE);
}

// There is no SIGPIPE here: the program ends with the system's broken-pipe code, so a caller
// can still tell the listing was cut short. _Exit runs no atexit handler.
void endAsOnClosedPipe()
{
    restoreCodePage();
    std::_Exit(ERROR_BROKEN_PIPE);
}

} // namespace linknode
