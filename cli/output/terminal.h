#pragma once

#include <optional>
#include <string>

namespace linknode {

// The standard streams as the system sees them.

// Makes the standard streams carry the tool's bytes as they are: on Windows standard output
// in binary mode (a CSV's CR LF would become CR CR LF) and a console that shows UTF-8, its own
// code page back when the program ends.
void prepareStandardStreams();

// Whether standard error is a terminal, so a person is watching the progress.
bool standardErrorIsTerminal();

// What a person types on the terminal after `prompt` (on standard error), not shown as it
// is typed, without its line end; none when standard input is no terminal.
std::optional<std::string> askUnseen(const std::string& prompt);

// Whether a write to standard output failed, with this errno, because its reader closed the
// pipe: EPIPE; on Windows the C library says EINVAL (the pipe being closed has no errno).
bool isClosedOutputPipe(int error);

// Ends the program as a write to a closed pipe ends any other tool: no message, and the
// status a shell expects.
[[noreturn]] void endAsOnClosedPipe();

} // namespace linknode
