#include "widgets/counter_display.h"

#include <QColor>
#include <QLabel>
#include <climits>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    using namespace Qt::StringLiterals;

    TEST(CounterDisplayTest, EachPictureLightsExactlyTheSegmentsOfItsShape)
    {
        // Segments a..g: the middle of the core line, and a pixel of the edge line.
        const QPoint core[]
            = { { 8, 2 }, { 13, 6 }, { 13, 14 }, { 8, 18 }, { 2, 14 }, { 2, 6 }, { 8, 10 } };
        const QPoint edge[]
            = { { 8, 1 }, { 12, 6 }, { 14, 14 }, { 8, 19 }, { 1, 14 }, { 3, 6 }, { 8, 9 } };
        // The usual seven-segment shapes; index 10 is the blank digit, 11 the dash.
        const std::string shapes[] = { "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg",
            "abc", "abcdefg", "abcdfg", "", "g" };
        const CounterDisplay display;
        for (int index = 0; index < 12; ++index) {
            const QImage picture = display.digitPicture(index);
            ASSERT_EQ(picture.size(), QSize(16, 21));
            EXPECT_EQ(picture.depth(), 24);
            EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black));
            for (int s = 0; s < 7; ++s) {
                const bool lit = shapes[index].find(char('a' + s)) != std::string::npos;
                EXPECT_EQ(picture.pixelColor(core[s]) == QColor(0, 255, 0), lit) << index << s;
                EXPECT_EQ(picture.pixelColor(edge[s]) == QColor(0, 80, 0), lit) << index << s;
                EXPECT_TRUE(lit || picture.pixelColor(core[s]).green() < 64) << index << s;
            }
        }
    }

    TEST(CounterDisplayTest, ShowsTheNumberRightAlignedOrDashesAtItsOwnSize)
    {
        const struct {
            int number;
            const char16_t* shown;
        } cases[] = { { 0, u"   0" }, { 7, u"   7" }, { 42, u"  42" }, { 9999, u"9999" },
            { -1, u"----" }, { 10000, u"----" }, { INT_MIN, u"----" } };
        CounterDisplay display;
        EXPECT_EQ(display.shownText(), u"    "_s);
        for (const auto& c : cases) {
            display.AFF(c.number);
            const QString shown = QString::fromUtf16(c.shown);
            EXPECT_EQ(display.property("text").toString(), shown);
            for (int pos = 0; pos < CounterDisplay::kPositions; ++pos) {
                const QChar ch = shown[pos];
                const int index = ch == u' ' ? 10 : ch == u'-' ? 11 : ch.digitValue();
                EXPECT_EQ(display.positionPicture(pos), display.digitPicture(index))
                    << c.number << " at " << pos;
            }
        }
        // The digits share its width, at the design size and zoomed.
        EXPECT_EQ(display.size(), QSize(64, 21));
        display.resize(128, 42);
        display.show();
        for (int pos = 0; pos < CounterDisplay::kPositions; ++pos) {
            const auto* digit
                = display.findChild<QLabel*>(QStringLiteral("Affichage(%1)").arg(pos));
            ASSERT_NE(digit, nullptr);
            EXPECT_EQ(digit->geometry(), QRect(32 * pos, 0, 32, 42)) << pos;
        }
    }

} // namespace
} // namespace linknode
