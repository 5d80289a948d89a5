#include "cli/output/terminal.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>
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

// There is no SIGPIPE here: the write to a pipe whose reader is gone fails with
// ERROR_BROKEN_PIPE, and the program ends with that code, so a caller can still tell the
// listing was cut short.
void endAsOnClosedPipe()
{
    std::_Exit(ERROR_BROKEN_PIPE);
}

} // namespace linknode
