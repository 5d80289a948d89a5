#pragma once

#include "cli/run/verb_support.h"

#include <QStringList>

// The verbs; each takes its arguments with "linknode VERB" first and gives the exit status.
namespace linknode {

int discoverVerb(const QStringList& arguments, CliContext& context);
int showVerb(const QStringList& arguments, CliContext& context);
int inventoryVerb(const QStringList& arguments, CliContext& context);
int setVerb(const QStringList& arguments, CliContext& context);
int resetVerb(const QStringList& arguments, CliContext& context);
int locateVerb(const QStringList& arguments, CliContext& context);
int readdressVerb(const QStringList& arguments, CliContext& context);
int replaceVerb(const QStringList& arguments, CliContext& context);
int applyVerb(const QStringList& arguments, CliContext& context);
// "mqtt watch" and "mqtt check": the action is the first argument after the verb.
int mqttVerb(const QStringList& arguments, CliContext& context);
int exporterVerb(const QStringList& arguments, CliContext& context);

// The whole command line: the verb, or --help and --version of the tool.
int runCli(const QStringList& arguments, CliContext& context);

} // namespace linknode
