// The three output forms: aligned columns, one JSON array, RFC 4180 CSV; what table and CSV
// show of awkward device bytes, long values and chosen fields; the MQTT watch held to --count.
#include "cli/output/console.h"
#include "cli/output/output_format.h"
#include "cli/verbs/mqtt_watch.h"
#include "core/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

Row row(const char* name, const char* value, QStringList flags = {})
{
    return { { u"name"_s, QString::fromLatin1(name) }, { u"value"_s, QString::fromLatin1(value) },
        { u"flags"_s, QJsonArray::fromStringList(flags) } };
}

// The whole text a writer gives for `rows`.
template <typename Writer, typename... Options>
QString written(Writer writer, const std::vector<Row>& rows, const Options&... options)
{
    QString text;
    writer(
        rows.size(), [&](size_t i) { return rows.at(i); },
        [&](const QString& piece) { text += piece; }, options...);
    return text;
}

QString tableText(const std::vector<Row>& rows, const ListOptions& options = {})
{
    return written(writeTable, rows, options);
}
QString jsonListText(const std::vector<Row>& rows)
{
    return written(writeJson, rows);
}
QString csvText(const std::vector<Row>& rows, const ListOptions& options = {})
{
    return written(writeCsv, rows, options);
}

Row one(const char* name, const QString& value)
{
    return { { QString::fromLatin1(name), value } };
}

const QString long41(41, u'x');
const QString cut40 = QString(39, u'x') + QChar(0x2026);

TEST(Cells, KeepEachRowOnOneLineInColumnsAlignedOnTheWidestValue)
{
    const auto csv = OutputFormat::Csv;
    const struct {
        const char* what;
        Row row;
        QString text;
        OutputFormat format = OutputFormat::Table;
        ListOptions options = {};
    } cases[] = { { "control bytes in caret form", one("value", u"a\rb\n\t"_s + QChar(1)),
                      u"value\na^13^b^10^^9^^1^\n"_s },
        { "delete, C1 controls too, Latin-1 kept",
            one("value", QString(QChar(127)) + QChar(133) + QChar(184)),
            u"value\n^127^^133^"_s + QChar(184) + u'\n' },
        { "csv quotes what the caret form leaves", one("value", QStringLiteral("a,\n\"")),
            QStringLiteral("value\r\n\"a,^10^\"\"\"\r\n"), csv },
        { "cut with an ellipsis", one("value", long41), u"value\n"_s + cut40 + u'\n' },
        { "the width itself is whole", one("value", QString(40, u'x')),
            u"value\n"_s + QString(40, u'x') + u'\n' },
        { "wide is never cut", one("value", long41), u"value\n"_s + long41 + u'\n',
            OutputFormat::Table, { {}, true } },
        { "model captions have room", one("model", QString(60, u'm') + u'M'),
            u"model\n"_s + QString(59, u'm') + QChar(0x2026) + u'\n' },
        { "csv is never cut", one("value", long41), u"value\r\n"_s + long41 + u"\r\n"_s, csv },
        { "fields in their order", row("a", "1", { u"x"_s, u"y"_s }), u"flags  name\nx,y    a\n"_s,
            OutputFormat::Table, { { u"flags"_s, u"name"_s } } },
        { "the table leaves out the record unless asked",
            { { u"value"_s, u"1"_s }, { u"record"_s, u"r"_s } }, u"value\n1\n"_s },
        { "csv fields", row("a", "1"), u"value,name\r\n1,a\r\n"_s, csv,
            { { u"value"_s, u"name"_s } } },
        { "no csv cell is a formula",
            { { u"a"_s, u"=1+2"_s }, { u"b"_s, u"+x"_s }, { u"c"_s, u"-x"_s },
                { u"d"_s, u"@SUM(A1),x"_s }, { u"e"_s, u"a=b"_s } },
            QStringLiteral("a,b,c,d,e\r\n'=1+2,'+x,'-x,\"'@SUM(A1),x\",a=b\r\n"), csv },
        { "the table keeps a formula's text", one("value", u"=1+2"_s), u"value\n=1+2\n"_s } };
    for (const auto& c : cases)
        EXPECT_EQ(c.format == OutputFormat::Table ? tableText({ c.row }, c.options)
                                                  : csvText({ c.row }, c.options),
            c.text)
            << c.what;
    // Columns align on the widest value, with no trailing blanks.
    const QString text = tableText({ row("a", "1", { u"x"_s, u"y"_s }), row("longer", "22") });
    EXPECT_EQ(text,
        QStringLiteral("name    value  flags\n"
                       "a       1      x,y\n"
                       "longer  22\n"));
}

TEST(TerminalText, ShowsControlCharactersButTheClosingLineEndInCaretForm)
{
    const std::pair<QString, QString> cases[]
        = { { u"linknode: plain\n"_s, u"linknode: plain\n"_s },
              { u"a\x1b]0;owned\x07\n"_s, u"a^27^]0;owned^7^\n"_s },
              { u"forged\nline\r\n"_s, u"forged^10^line^13^\n"_s },
              { u"del"_s + QChar(127) + QChar(0x9b) + u"2J"_s + QChar(184),
                  u"del^127^^155^2J"_s + QChar(184) },
              { QString(), QString() } };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(terminalText(text), shown);
}

TEST(Fields, AreKnownNamesInTheOrderGiven)
{
    const struct {
        const char* text;
        std::optional<QStringList> fields;
        const char* problem;
    } cases[] = { { "ip,mac", QStringList { u"ip"_s, u"mac"_s }, "" },
        { " HOSTIP , ip", QStringList { u"hostIp"_s, u"ip"_s }, "" },
        { "ip,model", std::nullopt, "unknown field \"model\"; the fields are mac, ip, hostIp" },
        { "ip,", std::nullopt, "unknown field \"\"; the fields are mac, ip, hostIp" } };
    for (const auto& c : cases) {
        QString problem;
        EXPECT_EQ(
            parseFields(QString::fromLatin1(c.text), { u"mac"_s, u"ip"_s, u"hostIp"_s }, &problem),
            c.fields);
        EXPECT_EQ(problem, QString::fromLatin1(c.problem));
    }
}

TEST(Json, WrittenObjectByObjectIsTheTextOfTheWholeArray)
{
    // Escapes as jsonText writes them, bytes above 127 as their code points, keys in Qt's order.
    const QString awkward = QStringLiteral("\"\\\b\f\n\r\t/") + QChar(1) + QChar(0x1f) + QChar(0x7f)
        + QChar(0x80) + QChar(0x9b) + QChar(0x9f) + QChar(0xa0) + QChar(184) + QChar(234)
        + QChar(0x20ac);
    const Row mixedKeys { { u"zeta"_s, u"z"_s }, { u"Alpha"_s, awkward }, { u"hostPort"_s, u"1"_s },
        { u"hostIp"_s, QJsonArray { awkward } } };
    const std::vector<std::vector<Row>> lists { {}, { row("a", "1") }, { Row() },
        { row("a", "1", { u"x"_s, u"y"_s }), row("b", "\"2\""), mixedKeys } };
    for (const auto& rows : lists) {
        QJsonArray array;
        for (const Row& one : rows) {
            QJsonObject object;
            for (const auto& [name, value] : one)
                object.insert(name, value);
            array.append(object);
        }
        EXPECT_EQ(jsonListText(rows),
            QString::fromUtf8(jsonText(QJsonDocument(array), QJsonDocument::Indented)))
            << rows.size() << " rows";
    }
    // A listing longer than one piece of the buffer reaches standard output once, whole.
    struct Recorded final : Console {
        void out(const QString& text) override { all += text; }
        void err(const QString&) override { }
        void progress(const QString&) override { }
        QString all;
    } console;
    const QString half(40 * 1024, u'x');
    {
        BufferedOutput output(console);
        output.write(half);
        output.write(half);
    }
    EXPECT_EQ(console.all, half + half);
}

TEST(Watch, WritesNoMoreThanCountMessagesWhenMoreArriveAtOnce)
{
    struct Recorded final : Console {
        void out(const QString& text) override { lines += text.count(u'\n'); }
        void err(const QString&) override { }
        void progress(const QString&) override { }
        qsizetype lines = 0;
    } console;
    // A broker on a closed loopback port: never reached, as no event loop runs.
    MqttSettings broker;
    broker.host = u"127.0.0.1"_s;
    broker.port = 1;
    MqttWatch watch({ { broker, { u"t/#"_s } } }, WatchOutput { .count = 2 }, console);
    int finished = 0;
    QObject::connect(&watch, &MqttWatch::finished, &watch, [&] { ++finished; });
    watch.start();
    MqttClient* client = watch.findChild<MqttClient*>();
    ASSERT_TRUE(client);
    for (int i = 0; i < 3; ++i)
        emit client->messageReceived(u"t/1"_s, "{}");
    EXPECT_EQ(console.lines, 2);
    EXPECT_EQ(finished, 1);
}

TEST(Csv, QuotesOnlyWhatNeedsItAndJoinsFlagsByBlanks)
{
    const std::pair<const char*, const char*> cases[]
        = { { "plain", "plain" }, { "a,b", "\"a,b\"" }, { "say \"hi\"", "\"say \"\"hi\"\"\"" },
              { "line\r\nend", "line^13^^10^end" }, { "", "" } };
    for (const auto& [value, written] : cases)
        EXPECT_EQ(csvText({ row("n", value) }),
            u"name,value,flags\r\nn,"_s + QString::fromLatin1(written) + u",\r\n"_s);
    EXPECT_EQ(csvText({ row("n", "v", { u"encrypted"_s, u"old-firmware"_s }) }),
        u"name,value,flags\r\nn,v,encrypted old-firmware\r\n"_s);
}

TEST(Forms, OneDeviceIsNameAndValueLinesAndAnEmptyListOnlyWhatItsFormNeeds)
{
    const Row device { { u"mac"_s, u"0-80-194-1-2-3"_s }, { u"ip"_s, u"10.0.0.5"_s },
        { u"login"_s, u"AB\r"_s + QString(40, u'x') }, { u"record"_s, u"raw"_s } };
    const QString login = u"login  AB^13^"_s + QString(33, u'x') + QChar(0x2026);
    EXPECT_EQ(oneText(device, OutputFormat::Table),
        u"mac    0-80-194-1-2-3\nip     10.0.0.5\n"_s + login + u'\n');
    EXPECT_EQ(oneText(device, OutputFormat::Table, { { u"ip"_s, u"mac"_s } }),
        u"ip   10.0.0.5\nmac  0-80-194-1-2-3\n"_s);
    EXPECT_EQ(oneText(device, OutputFormat::Csv, { { u"ip"_s } }), u"ip\r\n10.0.0.5\r\n"_s);

    // An empty list is an empty array in JSON, a header in CSV and nothing in the table.
    const auto list = [](OutputFormat format, const ListOptions& options) {
        QString text;
        writeList(
            0, [](size_t) { return Row(); }, format, [&](const QString& piece) { text += piece; },
            options);
        return text;
    };
    const ListOptions columns { {}, false, { u"mac"_s, u"ip"_s } };
    const ListOptions fields { { u"ip"_s }, false, columns.columns };
    EXPECT_EQ(list(OutputFormat::Json, columns), u"[\n]\n"_s);
    EXPECT_EQ(list(OutputFormat::Csv, columns), u"mac,ip\r\n"_s);
    EXPECT_EQ(list(OutputFormat::Csv, fields), u"ip\r\n"_s);
    EXPECT_EQ(list(OutputFormat::Table, columns), QString());
}

} // namespace
