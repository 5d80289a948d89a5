// Bad usage is refused with status 2 and a message before the network is even opened.
#include "core/file_writer.h"
#include "tests/cli/refusals_fixture.h"
#include "tests/support/refused_values.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::HasSubstr;

namespace {

TEST_F(Refusals, BadUsageExitsTwoWithAMessageBeforeTheNetworkOpens)
{
    std::vector<std::pair<std::vector<const char*>, const char*>> all = {
        { {}, "no verb given" }, { { "explode" }, "unknown verb" },
        { { "discover", "--colour" }, "Unknown option 'colour'" },
        { { "discover", "--to", "10.0.0.300" }, "not an address" },
        { { "discover", "--format", "xml" }, "unknown format" },
        { { "discover", "--wait", "forever" }, "not a number of seconds" },
        { { "discover", "extra" }, "takes 0 argument" },
        { { "show", "0-80-194-1-2" }, "neither a MAC nor an address" },
        { { "show" }, "takes 1 argument" },
        { { "set", "0-80-194-1-2-256", "--ip", "10.0.0.5" }, "is not a MAC" },
        { { "set", "0-80-194-1-2-3", "--ip", "10.0.0.256" }, "--ip \"10.0.0.256\"" },
        { { "set", "0-80-194-1-2-3", "--ip", "255.255.255.255" }, "--ip" },
        { { "set", "0-80-194-1-2-3", "--mask", "255.255.0.255" }, "--mask" },
        { { "set", "0-80-194-1-2-3", "--login", "A^300^" }, "^300^ names no byte" },
        { { "set", "0-80-194-1-2-3", "--wiegand", "^6^^999^^1^^1^" }, "--wiegand" },
        { { "set", "0-80-194-1-2-3", "--wiegand", "1x" }, "--wiegand" },
        { { "set", "0-80-194-1-2-3", "--wiegand", "12" }, "--wiegand" },
        { { "set", "0-80-194-1-2-3", "--wiegand", "^7^^1^" }, "--wiegand" },
        { { "set", "0-80-194-1-2-3" }, "nothing to change" },
        { { "set", "0-80-194-1-2-3", "--reset" }, "nothing to change" },
        { { "discover", "-i", "no-such-adapter" }, "no network adapter" },
        { { "mqtt" }, "needs an action" },
        { { "mqtt", "watch" }, "name one gateway, or give --all" },
        { { "mqtt", "check", "0-80-1" }, "neither a MAC nor an address" },
        { { "mqtt", "check", "0-80-194-1-2-3", "--broker", "x" }, "not HOST:PORT" },
        { { "mqtt", "check", "0-80-194-1-2-3", "--tls" }, "go together" },
        { { "mqtt", "check", "0-80-194-1-2-3", "--cert", "c.pem" }, "go together" },
        { { "mqtt", "check", "0-80-194-1-2-3", "--password", "a", "--password-file", "f" },
            "give one" },
        { { "mqtt", "check", "0-80-194-1-2-3", "--password-file", "/nonexistent/pw" },
            "--password-file \"/nonexistent/pw\"" },
        { { "mqtt", "watch", "--all", "--topic", "a/#/b" }, "--topic \"a/#/b\"" },
        { { "set", "0-80-194-1-2-3", "--mqtt-broker", "broker.lan:1883" }, "--mqtt-broker" },
        { { "set", "0-80-194-1-2-3", "--mqtt-broker", "10.0.0.2:0" }, "the MQTT port \"0\"" },
        { { "set", "0-80-194-1-2-3", "--mqtt-template", "home" }, "domoticz or soti" },
        { { "set", "0-80-194-1-2-3", "--mqtt-password-file", "/nonexistent/pw" },
            "--mqtt-password-file \"/nonexistent/pw\"" },
        { { "set", "0-80-194-1-2-3", "--mqtt-password-file", "f", "--mqtt-password-env" },
            "give one" },
        { { "apply", "/nonexistent/site.json" },
            "linknode: /nonexistent/site.json: No such file or directory\n" },
        { { "apply", "-", "--rate", "0" }, "--rate" },
        { { "apply", "-", "--spare", "255.255.255.255" }, "--spare" },
        { { "discover", "--subnet", "10.0.0.0/33" }, "--subnet" },
        { { "discover", "--flag", "broken" }, "--flag" },
        { { "discover", "--watch", "--every", "0" }, "--every" },
        { { "discover", "--max-wait", "-1" }, "--max-wait" },
        { { "discover", "--fields", "mac,colour" }, "--fields" },
        { { "locate", "a", "b" }, "takes 0 to 1 argument" },
        { { "set", "0-80-194-1-2-3", "--mode", "master" }, "server or client" },
        { { "set", "0-80-194-1-2-3", "--parity", "mark" }, "none, even or odd" },
        { { "set", "0-80-194-1-2-3", "--databits", "9" }, "7 or 8" },
        { { "set", "0-80-194-1-2-3", "--stopbits", "3" }, "1 or 2" },
        { { "set", "0-80-194-1-2-3", "--bauds", "1200" }, "--bauds" },
        { { "set", "0-80-194-1-2-3", "--host-port", "70000" }, "--host-port" },
        { { "reset", "kitchen" }, "neither a MAC nor an address" },
        { { "locate", "--seconds", "9999" }, "--seconds" },
        { { "inventory", "load", "x.json" }, "unknown action" },
        { { "inventory", "diff", "/nonexistent/inventory.json" }, "inventory.json" },
        { { "readdress", "/nonexistent/plan.csv" }, "plan.csv" },
        { { "exporter", "--listen", "9464" }, "--listen \"9464\"" },
        { { "exporter", "--listen", "localhost:9464" }, "not an IPv4 ADDRESS:PORT" },
        { { "exporter", "--listen", "127.0.0.1:0" }, "--listen" },
        { { "exporter", "--every", "4.5" }, "from 5 to 3600" },
        { { "exporter", "--broker", "10.0.0.1:1883" }, "--broker goes with --mqtt" },
        { { "exporter", "--mqtt", "--tls" }, "go together" },
        { { "exporter", "--site", "/nonexistent/site.json" }, "site.json" },
        { { "replace", "0-80-194-1-2-3", "0-80-194-1-2-3", "--inventory", "x.json" },
            "are the same" },
        { { "replace", "0-80-194-1-2-3", "0-80-194-1-2-4" }, "--inventory FILE" },
        { { "replace", "0-80-194-1-2-3", "bad", "--inventory", "x.json" }, "\"bad\" is not a MAC" }
    };
#ifdef Q_OS_LINUX
    // Loopback has no broadcast: an enquiry through it alone would find nothing.
    all.push_back({ { "discover", "-i", "lo" }, "cannot broadcast" });
#endif
    for (const DeviceAddress& refused : refusedDeviceAddresses)
        if (!*refused.mask) // refused under its mask only: the plan's tests hold those
            all.push_back({ { "set", "0-80-194-1-2-3", "--ip", refused.address }, "--ip" });
    for (const char* text : unstorableTexts)
        all.push_back({ { "set", "0-80-194-1-2-3", "--login", text }, "cannot store" });
    for (const auto& [words, message] : all) {
        QStringList arguments;
        for (const char* word : words)
            arguments << QString::fromUtf8(word);
        console.output.clear();
        console.errors.clear();
        EXPECT_EQ(run(arguments), ExitUsage) << arguments.join(u' ').toStdString();
        EXPECT_THAT(console.errors.toStdString(), HasSubstr(message));
        EXPECT_TRUE(console.output.isEmpty());
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(Refusals, InJsonARefusalIsTheResultDocumentAndFilesThisToolCannotUseAreRefused)
{
    EXPECT_EQ(run({ u"set"_s, u"0-80-194-1-2-3"_s, u"--format"_s, u"json"_s }), ExitUsage);
    const QJsonObject result = QJsonDocument::fromJson(console.output.toUtf8()).object();
    EXPECT_EQ(result.value(u"verb"_s).toString(), u"set"_s);
    EXPECT_EQ(result.value(u"exitStatus"_s).toInt(), ExitUsage);
    EXPECT_THAT(result.value(u"error"_s).toString().toStdString(), HasSubstr("nothing to change"));
    EXPECT_TRUE(result.value(u"devices"_s).isArray());

    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray content;
        QStringList arguments; // FILE stands for the file's path
        const char* message;
    } cases[] = { { "other.json", R"({"devices": []})", { u"inventory"_s, u"diff"_s, u"FILE"_s },
                      "not an inventory file" },
        { "plan.csv", "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-4,10.0.0.6\n0-80-194-1-2-3,10.0.0.7\n",
            { u"readdress"_s, u"FILE"_s, u"--apply"_s }, "line 3" } };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeWholeFile(path, c.content, nullptr));
        EXPECT_EQ(run(QStringList(c.arguments).replaceInStrings(u"FILE"_s, path)), ExitUsage);
        EXPECT_THAT(console.errors.toStdString(), HasSubstr(c.message));
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(Refusals, HelpGoesToStandardOutputAndValidArgumentsGoOnToTheNetwork)
{
    EXPECT_EQ(run({ u"--help"_s }), ExitSuccess);
    EXPECT_THAT(console.output.toStdString(), HasSubstr("discover"));
    for (const char* verb : { "discover", "show", "set", "reset", "locate", "inventory",
             "readdress", "replace", "exporter" }) {
        console.output.clear();
        EXPECT_EQ(run({ QString::fromLatin1(verb), u"--help"_s }), ExitSuccess);
        EXPECT_TRUE(console.output.startsWith(
            u"Usage: linknode %1 [options]"_s.arg(QString::fromLatin1(verb))))
            << console.output.toStdString();
    }
    EXPECT_EQ(opened, 0);
    // Valid arguments go on to the network and fail when it cannot open.
    EXPECT_EQ(run({ u"set"_s, u"0-80-194-1-2-3"_s, u"--ip"_s, u"10.0.0.5"_s, u"--mask"_s,
                  u"255.255.0.0"_s }),
        ExitFailure);
    EXPECT_EQ(run({ u"mqtt"_s, u"check"_s, u"0-80-194-1-2-3"_s, u"--broker"_s, u"[::1]:1883"_s }),
        ExitFailure);
    EXPECT_EQ(run({ u"exporter"_s, u"--listen"_s, u"0.0.0.0:9464"_s, u"--every"_s, u"5"_s,
                  u"--mqtt"_s, u"--user"_s, u"gw"_s }),
        ExitFailure);
    EXPECT_EQ(opened, 3);
}

} // namespace
