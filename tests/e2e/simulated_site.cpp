#include "tests/e2e/simulated_site.h"

#include <QFile>
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
    QFile script(path(QStringLiteral("script.txt")));
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(steps + "quit\n");
    script.close();
    return runInPrivateNetwork(withSimulator,
        QStringList { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_TOOL),
            script.fileName(), path(QStringLiteral("journal.jsonl")),
            QString::number(restartAfterEnquiries) }
            + simulatorArguments,
        120000);
}

QJsonObject SimulatedSite::dump(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

std::vector<QJsonObject> SimulatedSite::journal(const char* name) const
{
    std::vector<QJsonObject> lines;
    QFile file(path(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines.push_back(QJsonDocument::fromJson(line).object());
    return lines;
}

QJsonObject SimulatedSite::control(const QJsonObject& dump, const QString& name)
{
    for (const QJsonValue& c : dump.value(QStringLiteral("controls")).toArray())
        if (c.toObject().value(QStringLiteral("name")).toString() == name)
            return c.toObject();
    return {};
}

QString SimulatedSite::text(const QJsonObject& dump, const QString& name)
{
    return control(dump, name).value(QStringLiteral("text")).toString();
}

} // namespace linknode
