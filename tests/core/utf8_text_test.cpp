#include "core/shown_text.h"
#include "core/utf8_text.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    TEST(Utf8Text, PayloadsReadAsUtf8ShowTheBytesThatAreNoneEscaped)
    {
        const struct {
            const char* what;
            QByteArray bytes;
            const char16_t* shown;
            bool utf8;
        } cases[] = {
            { "ASCII", "{\"t\":21.5}", u"{\"t\":21.5}", true },
            { "a degree sign in UTF-8", "{\"unit\":\"\xC2\xB0\x43\"}", u"{\"unit\":\"°C\"}", true },
            { "the same in Latin-1", "{\"unit\":\"\xB0\x43\"}", u"{\"unit\":\"\\xB0C\"}", false },
            { "a sequence cut short", "ab\xE2\x82", u"ab\\xE2\\x82", false },
            { "an overlong slash", "\xC0\xAF", u"\\xC0\\xAF", false },
            { "a surrogate", "\xED\xA0\x80", u"\\xED\\xA0\\x80", false },
            { "past U+10FFFF", "\xF4\x90\x80\x80", u"\\xF4\\x90\\x80\\x80", false },
            { "four bytes", "\xF0\x9F\x94\x91", u"\U0001F511", true },
            { "a replacement character sent as such", "\xEF\xBF\xBD\xFF", u"\uFFFD\\xFF", false },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            EXPECT_EQ(QString::fromStdString(utf8WithEscapes(c.bytes.toStdString())),
                QString::fromUtf16(c.shown));
            EXPECT_EQ(isUtf8(c.bytes.toStdString()), c.utf8);
        }
    }

    TEST(ShownText, TopicsAreCutInTheMiddleSoTheirEndsStay)
    {
        const struct {
            const char* text;
            qsizetype width;
            const char16_t* shown;
        } cases[] = {
            { "domoticz/in", 40, u"domoticz/in" },
            { "homeassistant/sensor/0080C2010203_s07/state", 30,
                u"homeassis…80C2010203_s07/state" },
            { "abcdefghij", 10, u"abcdefghij" },
            { "abcdefghijk", 10, u"abc…fghijk" },
        };
        for (const auto& c : cases) {
            const QString cut = cutMiddle(QString::fromLatin1(c.text), c.width);
            EXPECT_EQ(cut, QString::fromUtf16(c.shown)) << c.text;
            EXPECT_LE(cut.size(), c.width);
        }
    }

} // namespace
} // namespace linknode
