// The three output forms: aligned columns, one JSON array, RFC 4180 CSV; what table and CSV
// show of awkward device bytes, long values and chosen fields.
#include "cli/output/console.h"
#include "cli/output/output_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

Row row(const char* name, const char* value, QStringList flags = {})
{
    return { { QStringLiteral("name"), QString::fromLatin1(name) },
        { QStringLiteral("value"), QString::fromLatin1(value) },
        { QStringLiteral("flags"), QJsonArray::fromStringList(flags) } };
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
QString jsonText(const std::vector<Row>& rows)
{
    return written(writeJson, rows);
}
QString csvText(const std::vector<Row>& rows, const ListOptions& options = {})
{
    return written(writeCsv, rows, options);
}

TEST(Table, ColumnsAlignOnTheWidestValueWithNoTrailingBlanks)
{
    const QString text = tableText(
        { row("a", "1", { QStringLiteral("x"), QStringLiteral("y") }), row("longer", "22") });
    EXPECT_EQ(text,
        QStringLiteral("name    value  flags\n"
                       "a       1      x,y\n"
                       "longer  22\n"));
}

struct Shown {
    const char* what;
    Row row;
    OutputFormat format;
    ListOptions options;
    QString text;
};

class ShownCells : public testing::TestWithParam<Shown> { };

TEST_P(ShownCells, KeepEachRowOnOneLine)
{
    const Shown& shown = GetParam();
    const auto text = shown.format == OutputFormat::Table ? tableText({ shown.row }, shown.options)
                                                          : csvText({ shown.row }, shown.options);
    EXPECT_EQ(text, shown.text) << shown.what;
}

Row one(const char* name, const QString& value)
{
    return { { QString::fromLatin1(name), value } };
}

const QString long41(41, u'x');
const QString cut40 = QString(39, u'x') + QChar(0x2026);

INSTANTIATE_TEST_SUITE_P(Cases, ShownCells,
    testing::Values(
        Shown { "control bytes in caret form", one("value", QStringLiteral("a\rb\n\t") + QChar(1)),
            OutputFormat::Table, {}, QStringLiteral("value\na^13^b^10^^9^^1^\n") },
        Shown { "delete, C1 controls too, Latin-1 kept",
            one("value", QString(QChar(127)) + QChar(133) + QChar(184)), OutputFormat::Table, {},
            QStringLiteral("value\n^127^^133^") + QChar(184) + u'\n' },
        Shown { "csv quotes what the caret form leaves", one("value", QStringLiteral("a,\n\"")),
            OutputFormat::Csv, {}, QStringLiteral("value\r\n\"a,^10^\"\"\"\r\n") },
        Shown { "cut with an ellipsis", one("value", long41), OutputFormat::Table, {},
            QStringLiteral("value\n") + cut40 + u'\n' },
        Shown { "the width itself is whole", one("value", QString(40, u'x')), OutputFormat::Table,
            {}, QStringLiteral("value\n") + QString(40, u'x') + u'\n' },
        Shown { "wide is never cut", one("value", long41), OutputFormat::Table, { {}, true },
            QStringLiteral("value\n") + long41 + u'\n' },
        Shown { "model captions have room", one("model", QString(60, u'm') + u'M'),
            OutputFormat::Table, {},
            QStringLiteral("model\n") + QString(59, u'm') + QChar(0x2026) + u'\n' },
        Shown { "csv is never cut", one("value", long41), OutputFormat::Csv, {},
            QStringLiteral("value\r\n") + long41 + QStringLiteral("\r\n") },
        Shown { "fields in their order",
            row("a", "1", { QStringLiteral("x"), QStringLiteral("y") }), OutputFormat::Table,
            { { QStringLiteral("flags"), QStringLiteral("name") } },
            QStringLiteral("flags  name\nx,y    a\n") },
        Shown { "the table leaves out the record unless asked",
            { { QStringLiteral("value"), QStringLiteral("1") },
                { QStringLiteral("record"), QStringLiteral("r") } },
            OutputFormat::Table, {}, QStringLiteral("value\n1\n") },
        Shown { "csv fields", row("a", "1"), OutputFormat::Csv,
            { { QStringLiteral("value"), QStringLiteral("name") } },
            QStringLiteral("value,name\r\n1,a\r\n") },
        Shown { "no csv cell is a formula",
            { { QStringLiteral("a"), QStringLiteral("=1+2") },
                { QStringLiteral("b"), QStringLiteral("+x") },
                { QStringLiteral("c"), QStringLiteral("-x") },
                { QStringLiteral("d"), QStringLiteral("@SUM(A1),x") },
                { QStringLiteral("e"), QStringLiteral("a=b") } },
            OutputFormat::Csv, {},
            QStringLiteral("a,b,c,d,e\r\n'=1+2,'+x,'-x,\"'@SUM(A1),x\",a=b\r\n") },
        Shown { "the table keeps a formula's text", one("value", QStringLiteral("=1+2")),
            OutputFormat::Table, {}, QStringLiteral("value\n=1+2\n") }));

struct Message {
    QString text;
    QString shown;
};

class TerminalText : public testing::TestWithParam<Message> { };

TEST_P(TerminalText, ShowsControlCharactersButTheClosingLineEndInCaretForm)
{
    EXPECT_EQ(terminalText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, TerminalText,
    testing::Values(
        Message { QStringLiteral("linknode: plain\n"), QStringLiteral("linknode: plain\n") },
        Message { QStringLiteral("a\x1b]0;owned\x07\n"), QStringLiteral("a^27^]0;owned^7^\n") },
        Message { QStringLiteral("forged\nline\r\n"), QStringLiteral("forged^10^line^13^\n") },
        Message {
            QStringLiteral("del") + QChar(127) + QChar(0x9b) + QStringLiteral("2J") + QChar(184),
            QStringLiteral("del^127^^155^2J") + QChar(184) },
        Message { QString(), QString() }));

struct FieldsCase {
    const char* text;
    std::optional<QStringList> fields;
    const char* problem;
};

class Fields : public testing::TestWithParam<FieldsCase> { };

TEST_P(Fields, AreKnownNamesInTheOrderGiven)
{
    const QStringList known { QStringLiteral("mac"), QStringLiteral("ip"),
        QStringLiteral("hostIp") };
    QString problem;
    EXPECT_EQ(
        parseFields(QString::fromLatin1(GetParam().text), known, &problem), GetParam().fields);
    EXPECT_EQ(problem, QString::fromLatin1(GetParam().problem));
}

INSTANTIATE_TEST_SUITE_P(Cases, Fields,
    testing::Values(
        FieldsCase { "ip,mac", QStringList { QStringLiteral("ip"), QStringLiteral("mac") }, "" },
        FieldsCase {
            " HOSTIP , ip", QStringList { QStringLiteral("hostIp"), QStringLiteral("ip") }, "" },
        FieldsCase {
            "ip,model", std::nullopt, "unknown field \"model\"; the fields are mac, ip, hostIp" },
        FieldsCase { "ip,", std::nullopt, "unknown field \"\"; the fields are mac, ip, hostIp" }));

TEST(Json, IsOneArrayWithFlagsAsAnArray)
{
    const QJsonDocument document
        = QJsonDocument::fromJson(jsonText({ row("a", "1", { QStringLiteral("x") }) }).toUtf8());
    ASSERT_TRUE(document.isArray());
    const QJsonObject first = document.array().at(0).toObject();
    EXPECT_EQ(first.value(QStringLiteral("name")).toString(), QStringLiteral("a"));
    EXPECT_EQ(first.value(QStringLiteral("flags")).toArray().at(0).toString(), QStringLiteral("x"));
}

TEST(Json, WrittenObjectByObjectIsTheTextOfTheWholeArray)
{
    // Escapes as Qt writes them, bytes above 127 as their code points, keys in Qt's order.
    const QString awkward = QStringLiteral("\"\\\b\f\n\r\t/") + QChar(1) + QChar(0x1f) + QChar(0x7f)
        + QChar(184) + QChar(234) + QChar(0x20ac);
    const Row mixedKeys { { QStringLiteral("zeta"), QStringLiteral("z") },
        { QStringLiteral("Alpha"), awkward }, { QStringLiteral("hostPort"), QStringLiteral("1") },
        { QStringLiteral("hostIp"), QJsonArray { awkward } } };
    const std::vector<std::vector<Row>> lists { {}, { row("a", "1") }, { Row() },
        { row("a", "1", { QStringLiteral("x"), QStringLiteral("y") }), row("b", "\"2\""),
            mixedKeys } };
    for (const auto& rows : lists) {
        QJsonArray array;
        for (const Row& one : rows) {
            QJsonObject object;
            for (const auto& [name, value] : one)
                object.insert(name, value);
            array.append(object);
        }
        EXPECT_EQ(
            jsonText(rows), QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)))
            << rows.size() << " rows";
    }
}

TEST(List, AnEmptyListIsAnEmptyArrayInJsonAHeaderInCsvAndNothingInTheTable)
{
    const auto list = [](OutputFormat format, const ListOptions& options) {
        QString text;
        writeList(
            0, [](size_t) { return Row(); }, format, [&](const QString& piece) { text += piece; },
            options);
        return text;
    };
    const ListOptions columns { {}, false, { QStringLiteral("mac"), QStringLiteral("ip") } };
    const ListOptions fields { { QStringLiteral("ip") }, false, columns.columns };
    EXPECT_EQ(list(OutputFormat::Json, columns), QStringLiteral("[\n]\n"));
    EXPECT_EQ(list(OutputFormat::Csv, columns), QStringLiteral("mac,ip\r\n"));
    EXPECT_EQ(list(OutputFormat::Csv, fields), QStringLiteral("ip\r\n"));
    EXPECT_EQ(list(OutputFormat::Table, columns), QString());
}

TEST(Json, KeepsBytesAbove127AsTheirCodePoints)
{
    const Row bytes { { QStringLiteral("record"), QString(QChar(184)) + QChar(234) } };
    const QJsonObject object
        = QJsonDocument::fromJson(jsonText({ bytes }).toUtf8()).array().at(0).toObject();
    const QString record = object.value(QStringLiteral("record")).toString();
    ASSERT_EQ(record.size(), 2);
    EXPECT_EQ(record[0].unicode(), 184);
    EXPECT_EQ(record[1].unicode(), 234);
}

struct CsvCase {
    const char* value;
    const char* written;
};

class CsvQuoting : public testing::TestWithParam<CsvCase> { };

TEST_P(CsvQuoting, QuotesOnlyWhatNeedsIt)
{
    const QString text = csvText({ row("n", GetParam().value) });
    EXPECT_EQ(text,
        QStringLiteral("name,value,flags\r\nn,") + QString::fromLatin1(GetParam().written)
            + QStringLiteral(",\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvQuoting,
    testing::Values(CsvCase { "plain", "plain" }, CsvCase { "a,b", "\"a,b\"" },
        CsvCase { "say \"hi\"", "\"say \"\"hi\"\"\"" },
        CsvCase { "line\r\nend", "line^13^^10^end" }, CsvCase { "", "" }));

TEST(Csv, FlagsAreJoinedByBlanksSoTheyNeedNoQuotes)
{
    EXPECT_EQ(
        csvText({ row("n", "v", { QStringLiteral("encrypted"), QStringLiteral("old-firmware") }) }),
        QStringLiteral("name,value,flags\r\nn,v,encrypted old-firmware\r\n"));
}

TEST(One, ShowsNameAndValueLinesWithoutTheRecord)
{
    const Row device { { QStringLiteral("mac"), QStringLiteral("0-80-194-1-2-3") },
        { QStringLiteral("ip"), QStringLiteral("10.0.0.5") },
        { QStringLiteral("login"), QStringLiteral("AB\r") + QString(40, u'x') },
        { QStringLiteral("record"), QStringLiteral("raw") } };
    const QString login = QStringLiteral("login  AB^13^") + QString(33, u'x') + QChar(0x2026);
    EXPECT_EQ(oneText(device, OutputFormat::Table),
        QStringLiteral("mac    0-80-194-1-2-3\nip     10.0.0.5\n") + login + u'\n');
    EXPECT_EQ(
        oneText(device, OutputFormat::Table, { { QStringLiteral("ip"), QStringLiteral("mac") } }),
        QStringLiteral("ip   10.0.0.5\nmac  0-80-194-1-2-3\n"));
    EXPECT_EQ(oneText(device, OutputFormat::Csv, { { QStringLiteral("ip") } }),
        QStringLiteral("ip\r\n10.0.0.5\r\n"));
}

} // namespace
