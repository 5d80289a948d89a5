// Bad usage is refused with status 2 and a message before the network is even opened.
#include "cli/verbs/verbs.h"
#include "tests/support/refused_values.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;
using testing::HasSubstr;

namespace {

class RecordingConsole final : public Console {
public:
    void out(const QString& text) override { output += text; }
    void err(const QString& text) override { errors += text; }
    void progress(const QString& text) override { errors += text; }
    QString output, errors;
};

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

struct Refused {
    std::vector<const char*> arguments;
    const char* message;
};

class RefusedBeforeSending : public Refusals, public testing::WithParamInterface<Refused> { };

TEST_P(RefusedBeforeSending, ExitsTwoWithAMessage)
{
    QStringList arguments;
    for (const char* argument : GetParam().arguments)
        arguments << QString::fromLatin1(argument);
    EXPECT_EQ(run(arguments), ExitUsage);
    EXPECT_EQ(opened, 0);
    EXPECT_THAT(console.errors.toStdString(), HasSubstr(GetParam().message));
    EXPECT_TRUE(console.output.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedBeforeSending,
    testing::Values(Refused { {}, "no verb given" }, Refused { { "explode" }, "unknown verb" },
        Refused { { "discover", "--colour" }, "Unknown option 'colour'" },
        Refused { { "discover", "--to", "10.0.0.300" }, "not an address" },
        Refused { { "discover", "--format", "xml" }, "unknown format" },
        Refused { { "discover", "--wait", "forever" }, "not a number of seconds" },
        Refused { { "discover", "extra" }, "takes 0 argument" },
        Refused { { "show", "0-80-194-1-2" }, "neither a MAC nor an address" },
        Refused { { "show" }, "takes 1 argument" },
        Refused { { "set", "0-80-194-1-2-256", "--ip", "10.0.0.5" }, "is not a MAC" },
        Refused { { "set", "0-80-194-1-2-3", "--ip", "10.0.0.256" }, "--ip \"10.0.0.256\"" },
        Refused { { "set", "0-80-194-1-2-3", "--ip", "255.255.255.255" }, "--ip" },
        Refused { { "set", "0-80-194-1-2-3", "--mask", "255.255.0.255" }, "--mask" },
        Refused { { "set", "0-80-194-1-2-3", "--login", "A^300^" }, "^300^ names no byte" },
        Refused { { "set", "0-80-194-1-2-3", "--wiegand", "^6^^999^^1^^1^" }, "--wiegand" },
        Refused { { "set", "0-80-194-1-2-3", "--wiegand", "1x" }, "--wiegand" },
        Refused { { "set", "0-80-194-1-2-3", "--wiegand", "12" }, "--wiegand" },
        Refused { { "set", "0-80-194-1-2-3", "--wiegand", "^7^^1^" }, "--wiegand" },
        Refused { { "set", "0-80-194-1-2-3" }, "nothing to change" },
        Refused { { "set", "0-80-194-1-2-3", "--reset" }, "nothing to change" },
        Refused { { "discover", "-i", "no-such-adapter" }, "no network adapter" },
        Refused { { "mqtt" }, "needs an action" },
        Refused { { "mqtt", "watch" }, "name one gateway, or give --all" },
        Refused { { "mqtt", "check", "0-80-1" }, "neither a MAC nor an address" },
        Refused { { "mqtt", "check", "0-80-194-1-2-3", "--broker", "x" }, "not HOST:PORT" },
        Refused { { "mqtt", "check", "0-80-194-1-2-3", "--tls" }, "go together" },
        Refused { { "apply", "/nonexistent/site.json" }, "site.json" },
        Refused { { "apply", "-", "--rate", "0" }, "--rate" },
        Refused { { "apply", "-", "--spare", "255.255.255.255" }, "--spare" },
        Refused { { "discover", "--subnet", "10.0.0.0/33" }, "--subnet" },
        Refused { { "discover", "--flag", "broken" }, "--flag" },
        Refused { { "discover", "--watch", "--every", "0" }, "--every" },
        Refused { { "discover", "--max-wait", "-1" }, "--max-wait" },
        Refused { { "discover", "--fields", "mac,colour" }, "--fields" },
        Refused { { "locate", "a", "b" }, "takes 0 to 1 argument" },
        Refused { { "set", "0-80-194-1-2-3", "--mode", "master" }, "server or client" },
        Refused { { "set", "0-80-194-1-2-3", "--parity", "mark" }, "none, even or odd" },
        Refused { { "set", "0-80-194-1-2-3", "--databits", "9" }, "7 or 8" },
        Refused { { "set", "0-80-194-1-2-3", "--stopbits", "3" }, "1 or 2" },
        Refused { { "set", "0-80-194-1-2-3", "--bauds", "1200" }, "--bauds" },
        Refused { { "set", "0-80-194-1-2-3", "--host-port", "70000" }, "--host-port" },
        Refused { { "reset", "kitchen" }, "neither a MAC nor an address" },
        Refused { { "locate", "--seconds", "9999" }, "--seconds" },
        Refused { { "inventory", "load", "x.json" }, "unknown action" },
        Refused { { "inventory", "diff", "/nonexistent/inventory.json" }, "inventory.json" },
        Refused { { "readdress", "/nonexistent/plan.csv" }, "plan.csv" },
        Refused { { "replace", "0-80-194-1-2-3", "0-80-194-1-2-3", "--inventory", "x.json" },
            "are the same" },
        Refused { { "replace", "0-80-194-1-2-3", "0-80-194-1-2-4" }, "--inventory FILE" },
        Refused { { "replace", "0-80-194-1-2-3", "bad", "--inventory", "x.json" },
            "\"bad\" is not a MAC" }));

TEST_F(Refusals, AddressesAndTextsNoDeviceCanTakeAreRefusedBeforeTheNetworkOpens)
{
    for (const DeviceAddress& refused : refusedDeviceAddresses) {
        if (*refused.mask)
            continue; // refused under its mask only: the plan's tests hold those
        EXPECT_EQ(run({ QStringLiteral("set"), QStringLiteral("0-80-194-1-2-3"),
                      QStringLiteral("--ip"), QString::fromLatin1(refused.address) }),
            ExitUsage)
            << refused.address;
    }
    for (const char* text : unstorableTexts) {
        console.errors.clear();
        EXPECT_EQ(run({ QStringLiteral("set"), QStringLiteral("0-80-194-1-2-3"),
                      QStringLiteral("--login"), QString::fromUtf8(text) }),
            ExitUsage);
        EXPECT_THAT(console.errors.toStdString(), HasSubstr("cannot store")) << text;
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(Refusals, ARefusalInJsonIsTheResultDocumentWithItsError)
{
    EXPECT_EQ(run({ QStringLiteral("set"), QStringLiteral("0-80-194-1-2-3"),
                  QStringLiteral("--format"), QStringLiteral("json") }),
        ExitUsage);
    const QJsonObject result = QJsonDocument::fromJson(console.output.toUtf8()).object();
    EXPECT_EQ(result.value(QStringLiteral("verb")).toString(), QStringLiteral("set"));
    EXPECT_EQ(result.value(QStringLiteral("exitStatus")).toInt(), ExitUsage);
    EXPECT_THAT(result.value(QStringLiteral("error")).toString().toStdString(),
        HasSubstr("nothing to change"));
    EXPECT_TRUE(result.value(QStringLiteral("devices")).isArray());
}

TEST_F(Refusals, AFileThisToolDidNotWriteIsNoInventory)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"devices": []})");
    file.close();
    EXPECT_EQ(run({ QStringLiteral("inventory"), QStringLiteral("diff"), path }), ExitUsage);
    EXPECT_EQ(opened, 0);
    EXPECT_THAT(console.errors.toStdString(), HasSubstr("not an inventory file"));
}

TEST_F(Refusals, HelpOfTheToolAndOfEachVerbGoesToStandardOutput)
{
    EXPECT_EQ(run({ QStringLiteral("--help") }), ExitSuccess);
    EXPECT_THAT(console.output.toStdString(), HasSubstr("discover"));
    for (const char* verb :
        { "discover", "show", "set", "reset", "locate", "inventory", "readdress", "replace" }) {
        console.output.clear();
        EXPECT_EQ(run({ QString::fromLatin1(verb), QStringLiteral("--help") }), ExitSuccess);
        EXPECT_TRUE(console.output.startsWith(
            QStringLiteral("Usage: linknode %1 [options]").arg(QString::fromLatin1(verb))))
            << console.output.toStdString();
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(Refusals, APlanWithADuplicateMacIsRefusedWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-4,10.0.0.6\n0-80-194-1-2-3,10.0.0.7\n");
    file.close();
    EXPECT_EQ(run({ QStringLiteral("readdress"), path, QStringLiteral("--apply") }), ExitUsage);
    EXPECT_EQ(opened, 0);
    EXPECT_THAT(console.errors.toStdString(), HasSubstr("line 3"));
}

TEST_F(Refusals, ValidArgumentsGoOnToTheNetworkAndFailWhenItCannotOpen)
{
    EXPECT_EQ(
        run({ QStringLiteral("set"), QStringLiteral("0-80-194-1-2-3"), QStringLiteral("--ip"),
            QStringLiteral("10.0.0.5"), QStringLiteral("--mask"), QStringLiteral("255.255.0.0") }),
        ExitFailure);
    EXPECT_EQ(opened, 1);
}

} // namespace
