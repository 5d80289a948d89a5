#pragma once

#include <QString>

namespace linknode {

// Where the tool's words go: results on standard output, messages on standard error,
// progress on standard error only when a person is watching it.
class Console {
public:
    virtual ~Console() = default;
    virtual void out(const QString& text) = 0;
    virtual void err(const QString& text) = 0;
    virtual void progress(const QString& text) = 0;
};

class StandardConsole final : public Console {
public:
    StandardConsole();
    void out(const QString& text) override;
    void err(const QString& text) override;
    void progress(const QString& text) override;

private:
    bool errorIsTerminal_;
};

// Hands text on to standard output in pieces of about 64 K characters: a long listing costs
// neither a write per line nor its whole text in memory.
class BufferedOutput {
public:
    explicit BufferedOutput(Console& console)
        : console_(console)
    {
    }
    ~BufferedOutput() { flush(); }
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    void write(const QString& text);
    void flush();

private:
    Console& console_;
    QString pending_;
};

} // namespace linknode
