#pragma once

#include "cli/output/console.h"
#include "cli/output/output_format.h"
#include "cli/output/verb_result.h"
#include "cli/run/arguments.h"
#include "cli/run/exit_codes.h"
#include "cli/run/session.h"
#include "fleet/device_entry.h"

#include <QCommandLineParser>
#include <functional>
#include <memory>
#include <optional>

namespace linknode {

// What a verb needs from outside: the console and a way to open the network, which tests
// replace so that no refused command can reach a socket.
struct CliContext {
    Console& console;
    std::function<std::unique_ptr<Session>(Console&, const SessionOptions&)> openSession;
};

// One run of a verb: its parser with the options every verb has (--format, --wide,
// -i/--interface, --max-wait, --help), the network opened when first needed, and the one way its
// result or its refusal leaves: as a table, CSV or a JSON document, the reason on standard error.
class VerbRun {
public:
    VerbRun(CliContext& context, const QString& verb, const QString& description);

    QCommandLineParser& parser() { return parser_; }
    Console& console() { return context_.console; }
    OutputFormat format() const { return format_; }
    // --wide: table cells whole, never cut.
    bool wide() const { return wide_; }

    // Parses `arguments` (the first is "linknode VERB"), with `least` to `most` positional
    // arguments. An exit status when the verb ends here: 0 after --help, 2 for bad usage;
    // none to go on.
    std::optional<int> parse(const QStringList& arguments, int least, int most);
    std::optional<int> parse(const QStringList& arguments, int positionals)
    {
        return parse(arguments, positionals, positionals);
    }

    // The session, opened on first use; none when it cannot be (the reason is told).
    Session* session();
    // Warns on standard error when the last discovery may have missed devices: replies kept
    // arriving past --max-wait, or more devices answered than one discovery lists. True then.
    bool warnIfIncomplete();

    // Ends the run with `result`. A send the system refused makes it a failure naming that
    // send: nothing may be reported as done that did not leave.
    int finish(VerbResult result);
    // Ends it with a refusal (2) or a failure (1) and its reason.
    int refuse(const QString& message) { return finish(failed(verb_, ExitUsage, message)); }
    int fail(const QString& message) { return finish(failed(verb_, ExitFailure, message)); }

private:
    CliContext& context_;
    QString verb_;
    QCommandLineParser parser_;
    OutputFormat format_ = OutputFormat::Table;
    bool wide_ = false;
    SessionOptions sessionOptions_;
    std::unique_ptr<Session> session_;
    bool sessionTried_ = false;
};

// --fields of the listing verbs: the columns of `sample` named, or why not (none named: every
// column).
QCommandLineOption fieldsOption();
std::optional<ListOptions> listOptions(
    const VerbRun& run, const QString& fields, const Row& sample, QString* problem);

// The positional argument of the verbs that act on one device: a MAC or an IP address.
void addDeviceArgument(QCommandLineParser& parser);

// The one device a MAC or an address names among those found, or why there is none: no
// device answers so, or two devices report that address (a command sent to it would reach
// either).
struct FoundDevice {
    std::optional<DeviceEntry> device;
    QString problem;
    int exitStatus = ExitSuccess;
};
FoundDevice findOne(
    const std::vector<DeviceEntry>& entries, const DeviceSelector& selector, const QString& named);

// Where a command to `device` alone goes: the address it reports, or none with the reason
// when that address is one a device cannot have (not an address, or one that reaches a whole
// subnet or no device).
struct CommandAddress {
    std::optional<std::string> address;
    QString problem;
};
CommandAddress commandAddress(const DeviceEntry& device);

// The device a MAC or an address names, among those found (the first that matches).
std::optional<DeviceEntry> findDevice(
    const std::vector<DeviceEntry>& entries, const DeviceSelector& selector);

// The discovery verbs that change or act on a device make first.
constexpr double lookupSeconds = 1.0;

} // namespace linknode
