// A program started with standard descriptors closed gets the null device, read-only, in their
// place, and keeps those that are open as they are.
#include "core/standard_descriptors.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace linknode;

namespace {

// In a child process, as a program would start: closes `closed`, fills the gaps, and tells
// in its exit status what went wrong (0 nothing, else the descriptor plus one, plus 10 for a
// descriptor left open that changed).
int startWithClosed(const std::vector<int>& closed)
{
    const pid_t child = fork();
    if (child == 0) {
        struct stat before[3] {};
        for (int descriptor = 0; descriptor < 3; ++descriptor)
            fstat(descriptor, &before[descriptor]);
        for (const int descriptor : closed)
            close(descriptor);
        fillClosedStandardDescriptors();
        struct stat null { };
        stat("/dev/null", &null);
        for (int descriptor = 0; descriptor < 3; ++descriptor) {
            struct stat now { };
            if (fstat(descriptor, &now) != 0)
                _exit(descriptor + 1);
            if (std::find(closed.begin(), closed.end(), descriptor) == closed.end()) {
                if (now.st_ino != before[descriptor].st_ino)
                    _exit(descriptor + 11);
                continue;
            }
            // Read-only: a write fails as on the closed descriptor.
            const bool refused = write(descriptor, "x", 1) == -1 && errno == EBADF;
            if (now.st_rdev != null.st_rdev || !refused)
                _exit(descriptor + 1);
        }
        _exit(0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StandardDescriptorsPosix, ClosedOnesGetTheNullDeviceReadOnlyOpenOnesStay)
{
    const std::vector<std::vector<int>> cases { {}, { 0 }, { 1 }, { 2 }, { 1, 2 }, { 0, 2 },
        { 0, 1, 2 } };
    for (const auto& closed : cases)
        EXPECT_EQ(startWithClosed(closed), 0) << closed.size() << " closed";
}

} // namespace
