#include "core/standard_descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace linknode {

void fillClosedStandardDescriptors()
{
    for (const int descriptor : { STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO }) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() takes the lowest free number: this one, as those below it are open by now.
        [[maybe_unused]] const int opened = open("/dev/null", O_RDONLY);
    }
}

} // namespace linknode
