// The console on the real standard streams: progress only where a person watches standard
// error, results on standard output byte for byte.
#include "cli/output/console.h"
#include "cli/output/terminal.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/mman.h>
#include <termios.h>
#include <unistd.h>

using namespace linknode;

namespace {

// What can be read from `fd` within a moment, from the start of a file.
QByteArray drain(int fd)
{
    QByteArray bytes;
    char buffer[256];
    lseek(fd, 0, SEEK_SET);
    pollfd ready { fd, POLLIN, 0 };
    for (int reads = 0; reads < 64 && poll(&ready, 1, 200) > 0; ++reads) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0)
            break;
        bytes.append(buffer, count);
    }
    return bytes;
}

TEST(StandardStreamsPosix, ProgressReachesOnlyATerminalAndResultsReachAFileUnchanged)
{
    const QString text = QStringLiteral("a;b\r\n21 °C, café\n");
    const struct {
        int stream;
        bool onTerminal;
        bool asProgress;
        QByteArray expected;
    } cases[] = {
        { STDERR_FILENO, false, true, "" },
        { STDERR_FILENO, true, true, "a;b^13^^10^21 °C, café\n" },
        { STDOUT_FILENO, false, false, "a;b\r\n21 °C, café\n" },
    };
    for (const auto& c : cases) {
        termios raw {};
        cfmakeraw(&raw); // no LF to CR LF on the way to the reader
        int reader = -1;
        int target = -1;
        if (c.onTerminal)
            ASSERT_EQ(openpty(&reader, &target, nullptr, &raw, nullptr), 0);
        else
            reader = target = memfd_create("stream", 0);
        std::fflush(nullptr);
        const int saved = dup(c.stream);
        dup2(target, c.stream);
        const bool terminal = standardErrorIsTerminal();
        {
            StandardConsole console;
            c.asProgress ? console.progress(text) : console.out(text);
        }
        dup2(saved, c.stream);
        close(saved);
        if (c.stream == STDERR_FILENO) {
            EXPECT_EQ(terminal, c.onTerminal);
        }
        EXPECT_EQ(drain(reader), c.expected) << c.stream << c.onTerminal;
        close(reader);
        if (target != reader)
            close(target);
    }
}

} // namespace
