// JSON as the programs write it: DEL and the C1 controls escaped, in keys and values alike,
// and otherwise Qt's text byte for byte.
#include "core/json_text.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

TEST(JsonText, EscapesDeleteAndTheC1ControlsAsQtEscapesThoseBelow32)
{
    const struct {
        QString text;
        QByteArray json;
    } cases[] = {
        { QString(QChar(0x7f)), R"("\u007f")" }, { QString(QChar(0x80)), R"("\u0080")" },
        { QChar(0x9b) + u"2J"_s, R"("\u009b2J")" }, // a terminal's control sequence
        { QString(QChar(0x9f)) + QChar(0x9f), R"("\u009f\u009f")" },
        { QChar(1) + u"\r\"\\"_s, R"("\u0001\r\"\\")" },
        { u"\u00a0\u00c2\u2080"_s, "\"\xc2\xa0\xc3\x82\xe2\x82\x80\"" }, // no control: raw
    };
    for (const auto& c : cases) {
        const QJsonObject object { { c.text, c.text } };
        const QByteArray text = jsonText(QJsonDocument(object), QJsonDocument::Compact);
        EXPECT_EQ(text, '{' + c.json + ':' + c.json + '}');
        EXPECT_EQ(QJsonDocument::fromJson(text).object(), object);
        QString piece;
        appendJsonString(piece, c.text);
        EXPECT_EQ(piece.toUtf8(), c.json);
    }
}

TEST(JsonText, IsQtsTextWhereNothingNeedsEscaping)
{
    const QString text = u"\u00a0\u00c2\u0100\u2080\u20ac caf\u00e9 \u00b8"_s + QChar(31);
    const QJsonObject object { { u"devices"_s, QJsonArray { QJsonObject { { text, text } } } },
        { u"version"_s, 1 }, { u"empty"_s, QJsonObject {} }, { u"none"_s, QJsonValue() } };
    for (const auto format : { QJsonDocument::Compact, QJsonDocument::Indented })
        EXPECT_EQ(jsonText(QJsonDocument(object), format), QJsonDocument(object).toJson(format));
}

TEST(JsonText, AnArrayWrittenAnElementAtATimeIsTheWholeDocument)
{
    const QJsonObject element { { u"mac"_s, u"0-80-194-1-2-3"_s },
        { u"changes"_s, QJsonArray { QJsonObject { { u"old"_s, QString(QChar(0x9b)) } } } },
        { u"empty"_s, QJsonObject {} } };
    const struct {
        QJsonObject members;
        size_t count;
    } cases[] = {
        { {}, 0 }, { {}, 2 }, // the array alone
        { { { u"a"_s, 1 }, { u"z"_s, u"\u007f"_s } }, 3 }, // members before and after it
        { { { u"a"_s, QJsonArray { 1, 2 } } }, 1 }, // the array last
        { { { u"z"_s, QJsonObject { { u"n"_s, QJsonValue() } } } }, 0 }, // the array first
    };
    for (const auto& c : cases) {
        QJsonObject whole = c.members;
        QJsonArray array;
        for (size_t i = 0; i < c.count; ++i)
            array.append(element);
        whole.insert(u"devices"_s, array);
        QByteArray text;
        EXPECT_TRUE(writeIndentedJson(
            c.members, u"devices"_s, c.count, [&](size_t) { return element; },
            [&](const QByteArray& piece) {
                text += piece;
                return true;
            }));
        EXPECT_EQ(text.toStdString(),
            jsonText(QJsonDocument(whole), QJsonDocument::Indented).toStdString());
    }
    // A writer that fails ends it there.
    int pieces = 0;
    EXPECT_FALSE(writeIndentedJson(
        {}, u"devices"_s, 5, [&](size_t) { return element; },
        [&](const QByteArray&) { return ++pieces < 3; }));
    EXPECT_EQ(pieces, 3);
}

} // namespace
