// The three output forms: aligned columns, one JSON array, RFC 4180 CSV.
#include "cli/output_format.h"

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

QString tableText(const std::vector<Row>& rows, const QStringList& omitted = {})
{
    return written(writeTable, rows, omitted);
}
QString jsonText(const std::vector<Row>& rows)
{
    return written(writeJson, rows);
}
QString csvText(const std::vector<Row>& rows)
{
    return written(writeCsv, rows);
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

TEST(Table, LeavesOutTheNamedColumns)
{
    EXPECT_EQ(tableText({ row("a", "1") }, { QStringLiteral("value"), QStringLiteral("flags") }),
        QStringLiteral("name\na\n"));
}

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

TEST(List, AnEmptyListIsAnEmptyArrayInJsonAndNothingOtherwise)
{
    const auto list = [](OutputFormat format) {
        QString text;
        writeList(
            0, [](size_t) { return Row(); }, format, [&](const QString& piece) { text += piece; });
        return text;
    };
    EXPECT_TRUE(QJsonDocument::fromJson(list(OutputFormat::Json).toUtf8()).isArray());
    EXPECT_TRUE(list(OutputFormat::Table).isEmpty());
    EXPECT_TRUE(list(OutputFormat::Csv).isEmpty());
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
        CsvCase { "say \"hi\"", "\"say \"\"hi\"\"\"" }, CsvCase { "line\rend", "\"line\rend\"" },
        CsvCase { "line\nend", "\"line\nend\"" }, CsvCase { "", "" }));

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
        { QStringLiteral("record"), QStringLiteral("raw") } };
    EXPECT_EQ(oneText(device, OutputFormat::Table),
        QStringLiteral("mac     0-80-194-1-2-3\nip      10.0.0.5\n"));
}

} // namespace
