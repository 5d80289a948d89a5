#include "cli/output/console.h"

#include "cli/output/output_format.h"
#include "cli/output/terminal.h"
#include "core/system_error.h"

#include <cerrno>
#include <cstdio>

namespace linknode {

namespace {
    // True when the whole text reached the stream; errno tells why not.
    bool write(std::FILE* stream, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        const auto size = static_cast<size_t>(bytes.size());
        const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
        return std::fflush(stream) == 0 && written;
    }

}

QString terminalText(const QString& text)
{
    if (text.endsWith(u'\n'))
        return caretForm(text.chopped(1)) + u'\n';
    return caretForm(text);
}

StandardConsole::StandardConsole()
    : errorIsTerminal_(standardErrorIsTerminal())
{
    prepareStandardStreams();
}

void StandardConsole::out(const QString& text)
{
    if (!outputFailure_.isEmpty())
        return;
    errno = 0;
    if (write(stdout, text))
        return;
    const int error = errno;
    if (isClosedOutputPipe(error))
        endAsOnClosedPipe();
    outputFailure_ = QString::fromStdString(systemErrorText(error));
}

void StandardConsole::err(const QString& text)
{
    write(stderr, terminalText(text));
}

void StandardConsole::progress(const QString& text)
{
    if (errorIsTerminal_)
        write(stderr, terminalText(text));
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
