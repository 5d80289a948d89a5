#include "core/system_error.h"

#include <cerrno>
#include <cstring>

namespace linknode {

std::string systemErrorText(int code)
{
    // The GNU strerror_r: the text may be a constant of the library rather than the buffer.
    char buffer[256] = {};
    return strerror_r(code, buffer, sizeof buffer);
}

int connectionTimedOutCode()
{
    return ETIMEDOUT;
}

} // namespace linknode
