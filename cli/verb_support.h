#pragma once

#include "cli/arguments.h"
#include "cli/console.h"
#include "cli/device_entry.h"
#include "cli/exit_codes.h"
#include "cli/session.h"

#include <QCommandLineParser>
#include <functional>
#include <memory>
#include <optional>

namespace linknode {

// What a verb needs from outside: the console and a way to open the network, which tests
// replace so that no refused command can reach a socket.
struct CliContext {
    Console& console;
    std::function<std::unique_ptr<Session>(Console&)> openSession;
};

// Parses a verb's arguments (the first is the program and verb, as "linknode discover"). An
// exit status when the verb ends here: 0 after --help, 2 for an unknown option or a wrong
// number of positional arguments; none to go on.
std::optional<int> parseVerb(
    QCommandLineParser& parser, const QStringList& arguments, int positionals, Console& console);

// Prints "linknode: message" and gives the status of a refusal, 2.
int refuse(Console& console, const QString& message);
// Prints "linknode: message" and gives the status of a failure, 1.
int fail(Console& console, const QString& message);

// The --format option every listing verb has.
QCommandLineOption formatOption();
std::optional<OutputFormat> formatValue(const QCommandLineParser& parser, Console& console);

// The positional argument of the verbs that act on one device: a MAC or an IP address.
void addDeviceArgument(QCommandLineParser& parser);
// The device it names; none after telling the user it names none (exit status 2).
std::optional<DeviceSelector> deviceArgument(const QCommandLineParser& parser, Console& console);

// The device a MAC or an address names, among those found.
std::optional<DeviceEntry> findDevice(
    const std::vector<DeviceEntry>& entries, const DeviceSelector& selector);

// The discovery verbs that change or act on a device make first.
constexpr double lookupSeconds = 1.0;

} // namespace linknode
