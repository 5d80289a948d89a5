#include "cli/output/console.h"
#include "cli/run/exit_codes.h"
#include "cli/verbs/verbs.h"
#include "core/standard_descriptors.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    linknode::fillClosedStandardDescriptors();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("linknode"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKNODE_VERSION));
    linknode::StandardConsole console;
    linknode::CliContext context { console, &linknode::Session::open };
    const int status = linknode::runCli(QCoreApplication::arguments(), context);
    // Results that did not all reach their file are a failure, whatever the verb did.
    const QString failure = console.outputFailure();
    if (failure.isEmpty())
        return status;
    console.err(QStringLiteral("linknode: cannot write the output: %1\n").arg(failure));
    return linknode::ExitFailure;
}
