#include "cli/console.h"
#include "cli/verbs.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("linknode"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKNODE_VERSION));
    linknode::StandardConsole console;
    linknode::CliContext context { console, &linknode::Session::open };
    return linknode::runCli(QCoreApplication::arguments(), context);
}
