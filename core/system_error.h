#pragma once

#include <string>

namespace linknode {

// The system's words for an error code, as UTF-8 without a final stop: errno's values, and on
// Windows also the socket calls' own codes (10000 and up), which never reach errno.
std::string systemErrorText(int code);

// The code a connection attempt that got no answer ends with: ETIMEDOUT, on Windows
// WSAETIMEDOUT (the C library there has no words for its ETIMEDOUT).
int connectionTimedOutCode();

} // namespace linknode
