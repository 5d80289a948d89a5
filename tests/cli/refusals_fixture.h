#pragma once

#include "cli/verbs/verbs.h"

#include <gtest/gtest.h>

namespace linknode {

class RecordingConsole final : public Console {
public:
    void out(const QString& text) override { output += text; }
    void err(const QString& text) override { errors += text; }
    void progress(const QString& text) override { errors += text; }
    QString output, errors;
};

// Runs the command line with a console that records and no network at all.
class Refusals : public testing::Test {
protected:
    int run(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("linknode"));
        return runCli(arguments, context);
    }

    RecordingConsole console;
    int opened = 0;
    // Stands in for the network: counts the attempt and opens nothing, so no test here sends.
    CliContext context { console, [this](Console&, const SessionOptions&) {
                            ++opened;
                            return std::unique_ptr<Session>();
                        } };
};

} // namespace linknode
