#include "tests/e2e/simulated_site.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace linknode {

namespace {
    // Adds the devices' addresses (in one batch: thousands of them), starts the simulator
    // and waits until it listens, runs the tool with the script, and stops the simulator. With
    // a restart count, a second simulator follows the first one, each bounded in time.
    const QString withSimulator = QStringLiteral(
        "sim=\"$1\"; tool=\"$2\"; script=\"$3\"; journal=\"$4\"; restart=\"$5\"; shift 5\n"
        "\"$sim\" \"$@\" --list-addresses | sed 's|.*|addr add &/32 dev lo|' | ip -batch - "
        "|| exit 98\n"
        "if [ \"$restart\" -gt 0 ]; then\n"
        "  (trap 'kill $first; exit 143' TERM\n"
        "   \"$sim\" \"$@\" --journal \"$journal\" --exit-after-enquiries \"$restart\" "
        "--exit-after 110 & first=$!; wait $first\n"
        "   exec \"$sim\" \"$@\" --journal \"${journal%.jsonl}-2.jsonl\" --exit-after 110) &\n"
        "else \"$sim\" \"$@\" --journal \"$journal\" & fi\n"
        "simulator=$!\n"
        "sleep 0.5\n"
        "\"$tool\" --automation \"$script\"; status=$?\n"
        "kill $simulator; wait $simulator; exit $status");
}

RunResult SimulatedSite::run(
    const QByteArray& steps, const QStringList& simulatorArguments, int restartAfterEnquiries)
{
    return runInPrivateNetwork(withSimulator,
        QStringList { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_TOOL),
            write("script.txt", steps + "quit\n"), path(QStringLiteral("journal.jsonl")),
            QString::number(restartAfterEnquiries) }
            + simulatorArguments,
        120000);
}

QJsonObject SimulatedSite::dump(const char* name) const
{
    return QJsonDocument::fromJson(fileText(path(QString::fromLatin1(name)))).object();
}

std::vector<QJsonObject> SimulatedSite::journal(const char* kind, const char* name) const
{
    std::vector<QJsonObject> lines;
    for (const QJsonObject& line : jsonLines(path(QString::fromLatin1(name))))
        if (line.value(QStringLiteral("kind")).toString() == QLatin1String(kind))
            lines.push_back(line);
    return lines;
}

QJsonObject SimulatedSite::control(const QJsonObject& dump, const char* name)
{
    for (const QJsonValue& c : dump.value(QStringLiteral("controls")).toArray())
        if (c.toObject().value(QStringLiteral("name")).toString() == QLatin1String(name))
            return c.toObject();
    ADD_FAILURE() << "no control " << name << " in the dump";
    return {};
}

QString SimulatedSite::text(const QJsonObject& dump, const char* name)
{
    return control(dump, name).value(QStringLiteral("text")).toString();
}

QStringList SimulatedSite::listed(const QJsonObject& dump)
{
    QStringList lines;
    for (const QJsonValue& line : control(dump, "LST_KRT").value(QStringLiteral("items")).toArray())
        lines << line.toString();
    return lines;
}

QStringList SimulatedSite::macs(const QJsonObject& dump)
{
    QStringList macs;
    for (const QString& line : listed(dump))
        macs << line.section(u',', 0, 0).trimmed();
    return macs;
}

} // namespace linknode
