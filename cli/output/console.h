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
    // Why standard output could not take the results (a full disk); empty while it could.
    virtual QString outputFailure() const { return {}; }
};

// `text` as it may reach a terminal: each control character (codes below 32, 127 and 128 to
// 159) in caret form, "^27^", but for the line end that closes it. A device's text quoted in a
// message can neither move the cursor nor send the terminal a control sequence.
QString terminalText(const QString& text);

// Messages and progress go out as terminalText. Every write to standard output is checked: after
// the first failure nothing more is written and outputFailure() gives the system's reason. A reader
// that went away (`| head -1`) ends the program at once and quietly, as it ends any other tool.
class StandardConsole final : public Console {
public:
    StandardConsole();
    void out(const QString& text) override;
    void err(const QString& text) override;
    void progress(const QString& text) override;
    QString outputFailure() const override { return outputFailure_; }

private:
    bool errorIsTerminal_;
    QString outputFailure_;
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
