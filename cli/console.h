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

} // namespace linknode
