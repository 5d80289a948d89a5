#include "cli/console.h"

#include <cstdio>
#include <unistd.h>

namespace linknode {

namespace {
    void write(std::FILE* stream, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
        std::fflush(stream);
    }
}

StandardConsole::StandardConsole()
    : errorIsTerminal_(isatty(STDERR_FILENO) == 1)
{
}

void StandardConsole::out(const QString& text)
{
    write(stdout, text);
}

void StandardConsole::err(const QString& text)
{
    write(stderr, text);
}

void StandardConsole::progress(const QString& text)
{
    if (errorIsTerminal_)
        write(stderr, text);
}

void BufferedOutput::write(const QString& text)
{
    constexpr qsizetype pieceSize = 64 * 1024;
    pending_ += text;
    if (pending_.size() >= pieceSize)
        flush();
}

void BufferedOutput::flush()
{
    if (pending_.isEmpty())
        return;
    console_.out(pending_);
    pending_.truncate(0);
}

} // namespace linknode
