#pragma once

namespace linknode {

// What the command line tool's exit status tells a script.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitFailure = 1, // something failed, or (inventory diff) something differs
    ExitUsage = 2, // bad usage or a value refused before anything was sent
    ExitUnconfirmed = 3, // sent, but the device did not report the new values in time
    ExitUnattributed = 4, // mqtt check: a message came, but nothing tells it is the gateway's
    ExitInterrupted = 130, // stopped by Ctrl+C or SIGTERM, as a shell tells a SIGINT
};

} // namespace linknode
