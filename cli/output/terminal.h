#pragma once

namespace linknode {

// The standard streams as the system sees them.

// Whether standard error is a terminal, so a person is watching the progress.
bool standardErrorIsTerminal();

// Ends the program as a write to a closed pipe ends any other tool: no message, and the
// status a shell expects.
[[noreturn]] void endAsOnClosedPipe();

} // namespace linknode
