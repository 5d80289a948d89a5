#include "widgets/counter_display.h"

#include <QColor>
#include <climits>
#include <gtest/gtest.h>
#include <map>

namespace linknode {
namespace {

    using namespace Qt::StringLiterals;

    const QColor kLit(0, 255, 0);
    const QColor kEdge(0, 80, 0);

    // Middle of each segment's core line, and a pixel of its edge line.
    struct SegmentPixels {
        QPoint core;
        QPoint edge;
    };
    const std::map<char, SegmentPixels> kSegments { { 'a', { { 8, 2 }, { 8, 1 } } },
        { 'b', { { 13, 6 }, { 12, 6 } } }, { 'c', { { 13, 14 }, { 14, 14 } } },
        { 'd', { { 8, 18 }, { 8, 19 } } }, { 'e', { { 2, 14 }, { 1, 14 } } },
        { 'f', { { 2, 6 }, { 3, 6 } } }, { 'g', { { 8, 10 }, { 8, 9 } } } };

    // The usual seven-segment shapes; index 10 is the blank digit, 11 the dash.
    const char* const kShapes[] = { "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg",
        "abc", "abcdefg", "abcdfg", "", "g" };

    bool hasPixel(const QImage& image, const QColor& color)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == color)
                    return true;
        return false;
    }

    class DigitPictureTest : public ::testing::TestWithParam<int> { };

    TEST_P(DigitPictureTest, LightsExactlyTheSegmentsOfItsShape)
    {
        const CounterDisplay display;
        const QImage picture = display.digitPicture(GetParam());
        ASSERT_EQ(picture.size(), QSize(16, 21));
        EXPECT_EQ(picture.depth(), 24);
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black));
        const std::string shape = kShapes[GetParam()];
        for (const auto& [name, pixels] : kSegments) {
            SCOPED_TRACE(std::string("segment ") + name);
            const bool lit = shape.find(name) != std::string::npos;
            EXPECT_EQ(picture.pixelColor(pixels.core) == kLit, lit);
            EXPECT_EQ(picture.pixelColor(pixels.edge) == kEdge, lit);
            // An unlit segment stays dark.
            if (!lit) {
                EXPECT_LT(picture.pixelColor(pixels.core).green(), 64);
            }
        }
    }

    INSTANTIATE_TEST_SUITE_P(AllPictures, DigitPictureTest, ::testing::Range(0, 12));

    struct ShownCase {
        int number;
        const char16_t* shown;
    };

    class CounterShowTest : public ::testing::TestWithParam<ShownCase> { };

    TEST_P(CounterShowTest, ShowsTheNumberRightAligned)
    {
        CounterDisplay display;
        display.AFF(GetParam().number);
        const QString shown = QString::fromUtf16(GetParam().shown);
        EXPECT_EQ(display.shownText(), shown);
        EXPECT_EQ(display.property("text").toString(), shown);
        for (int pos = 0; pos < CounterDisplay::kPositions; ++pos) {
            const QChar c = shown[pos];
            const int index = c == u' ' ? 10 : c == u'-' ? 11 : c.digitValue();
            EXPECT_EQ(display.positionPicture(pos), display.digitPicture(index)) << pos;
            EXPECT_EQ(hasPixel(display.positionPicture(pos), kLit), c != u' ') << pos;
        }
    }

    INSTANTIATE_TEST_SUITE_P(Numbers, CounterShowTest,
        ::testing::Values(ShownCase { 0, u"   0" }, ShownCase { 7, u"   7" },
            ShownCase { 42, u"  42" }, ShownCase { 305, u" 305" }, ShownCase { 9999, u"9999" },
            ShownCase { -1, u"----" }, ShownCase { 10000, u"----" }, ShownCase { INT_MIN, u"----" },
            ShownCase { INT_MAX, u"----" }));

    TEST(CounterDisplayTest, StartsBlankAndAlwaysKeepsItsSize)
    {
        CounterDisplay display;
        EXPECT_EQ(display.shownText(), u"    "_s);
        display.resize(200, 90);
        EXPECT_EQ(display.size(), QSize(64, 21));
        display.resize(10, 5);
        EXPECT_EQ(display.size(), QSize(64, 21));
    }

} // namespace
} // namespace linknode
