#include "widgets/ip_entry.h"

#include "tests/widgets/user_input.h"

#include <QClipboard>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    using namespace testing_input;
    using namespace Qt::StringLiterals;

    class IpEntryTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            window_.resize(300, 100);
            entry_ = new IpEntry(&window_);
            elsewhere_ = new QLineEdit(&window_);
            elsewhere_->move(0, 50);
            ASSERT_TRUE(showActive(window_));
        }

        // The four boxes joined by "|".
        QString boxes() const
        {
            QStringList texts;
            for (int i = 0; i < IpEntry::kBoxCount; ++i)
                texts << entry_->box(i)->text();
            return texts.join(u'|');
        }

        QWidget window_;
        IpEntry* entry_ = nullptr;
        QLineEdit* elsewhere_ = nullptr;
    };

    TEST_F(IpEntryTest, TypingWithDotsFillsTheFourBoxes)
    {
        // Box 0 has had the focus since the window opened; reading the text keeps its
        // selection, so the first digit still replaces the "0".
        ASSERT_EQ(QApplication::focusWidget(), entry_->box(0));
        EXPECT_EQ(entry_->text(), u"0.0.0.999"_s);
        typeKeys("192.168.0.10");
        EXPECT_EQ(boxes(), u"192|168|0|10"_s);
        EXPECT_EQ(QApplication::focusWidget(), entry_->box(3));
    }

    // The box gets the focus first, which selects its first three characters. Enter and
    // Return move on except from the last box. `box` is the box read afterwards, and has the
    // focus when it is not the box first focused; -1 reads all four once the focus has left.
    TEST_F(IpEntryTest, KeysTypedIntoABox)
    {
        const struct {
            const char* before;
            int focus;
            const char* keys;
            int box;
            const char* after;
        } cases[] = { { "1.20.3.4", 1, "7", 1, "7" }, { "1.2.3.4", 1, "12345", 1, "123" },
            { "1.2.3.4", 1, "a Z-,+_x", 1, "2" }, { "1.2.3.4", 1, "<1a", 1, "12" },
            { "1.2.3.4", 1, "25\b", 1, "2" }, { "1.255.3.4", 1, "\b", 1, "" },
            // The focus selects the first three characters only.
            { "1.1234.3.4", 1, "9", 1, "94" }, { "0.0.0.999", 2, "\r5\r\n.", 3, "5" },
            // Focus loss normalises the boxes.
            { "007.1.1.1", 1, "\b", -1, "7|0|1|1" } };
        for (const auto& c : cases) {
            entry_->setText(QLatin1String(c.before));
            entry_->focusBox(c.focus);
            typeKeys(c.keys);
            if (c.box < 0) {
                elsewhere_->setFocus();
                EXPECT_EQ(boxes(), QLatin1String(c.after)) << c.keys;
                continue;
            }
            if (c.box != c.focus) {
                EXPECT_EQ(QApplication::focusWidget(), entry_->box(c.box)) << c.keys;
            }
            EXPECT_EQ(entry_->box(c.box)->text(), QLatin1String(c.after)) << c.keys;
            elsewhere_->setFocus();
        }
    }

    TEST_F(IpEntryTest, FocusByMouseOrTabSelectsTheDigits)
    {
        entry_->setText(u"10.20.30.40"_s);
        QTest::mouseClick(entry_->box(1), Qt::LeftButton, {}, QPoint(20, 8));
        typeKeys("7");
        pressKey(Qt::Key_Tab);
        typeKeys("9");
        EXPECT_EQ(boxes(), u"10|7|9|40"_s);
    }

    TEST_F(IpEntryTest, SetKeepsFieldsAndReadNormalises)
    {
        const struct {
            const char *set, *boxes, *read;
        } cases[] = { { "192.168.1", "192|168|1|", "192.168.1.0" },
            { "1.2.3.4.5", "1|2|3|4", "1.2.3.4" }, { "10.0.x.1", "10|0|x|1", "10.0.0.1" },
            { "1234.5.6.7", "1234|5|6|7", "1234.5.6.7" },
            { "10.0.0110", "10|0|0110|", "10.0.110.0" }, { "", "|||", "0.0.0.0" },
            { " 12.00.1a.255", " 12|00|1a|255", "12.0.1.255" },
            { "99999999999999999999.0.0.1", "99999999999999999999|0|0|1",
                "99999999999999999999.0.0.1" } };
        for (const auto& c : cases) {
            entry_->setText(QString::fromLatin1(c.set));
            EXPECT_EQ(boxes(), QString::fromLatin1(c.boxes)) << c.set;
            EXPECT_EQ(entry_->text(), QString::fromLatin1(c.read)) << c.set;
        }
    }

    TEST_F(IpEntryTest, ChangeIsRaisedOncePerRealChangeAndAHandlerMayReadTheText)
    {
        QStringList seen;
        QObject::connect(entry_, &IpEntry::changed, entry_, [&] { seen << entry_->text(); });
        entry_->setText(u"1.2.3.4"_s);
        entry_->setText(u"1.2.3.4"_s);
        EXPECT_EQ(seen.size(), 1);
        // The set, then the normalisation the handler's read makes; the second read finds
        // nothing left to normalise.
        entry_->setText(u"007.2.3.4"_s);
        EXPECT_EQ(seen, QStringList({ u"1.2.3.4"_s, u"7.2.3.4"_s, u"7.2.3.4"_s }));
        entry_->focusBox(3);
        typeKeys("56x");
        EXPECT_EQ(seen.size(), 5);
    }

    TEST_F(IpEntryTest, ClicksReachTheContainer)
    {
        QSignalSpy clicks(entry_, &IpEntry::clicked);
        QSignalSpy doubleClicks(entry_, &IpEntry::doubleClicked);
        QTest::mouseClick(entry_->box(2), Qt::LeftButton, {}, QPoint(5, 5));
        userDoubleClick(entry_->box(0), QPoint(5, 5));
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_EQ(doubleClicks.count(), 1);
    }

    // At the design size and zoomed: the four boxes share the width as drawn, and three digits
    // fit a box (less the line edit's side margins, 2 + 2, and the cursor).
    TEST_F(IpEntryTest, TheBoxesFollowTheSizeAndThreeDigitsFitABox)
    {
        EXPECT_EQ(entry_->size(), QSize(129, 16));
        for (const int scale : { 1, 2 }) {
            entry_->resize(QSize(129, 16) * scale);
            for (int i = 0; i < IpEntry::kBoxCount; ++i) {
                EXPECT_EQ(
                    entry_->box(i)->geometry(), QRect(34 * i * scale, 0, 27 * scale, 16 * scale))
                    << i << " at " << scale;
            }
            const QFont font = entry_->box(0)->font();
            EXPECT_TRUE(font.bold());
            EXPECT_LE(QFontMetrics(font).horizontalAdvance(u"888"_s), 27 * scale - 5) << scale;
            EXPECT_GE(font.pointSizeF(), 9.0 * scale) << scale;
        }
    }

    TEST_F(IpEntryTest, PropertiesReachEveryBox)
    {
        entry_->setEntryEnabled(false);
        EXPECT_FALSE(entry_->box(3)->isEnabled());
        entry_->setBackColor(QColor(10, 36, 106));
        EXPECT_EQ(entry_->box(3)->palette().color(QPalette::Base), QColor(10, 36, 106));
        // The mask type is kept in a radio button, which must still uncheck on its own.
        entry_->setMaskType(true);
        entry_->setMaskType(false);
        EXPECT_FALSE(entry_->maskType());
    }

    // A dotted address pasted into any box fills all four as one change; anything else is
    // refused whole.
    TEST_F(IpEntryTest, PasteOrDropOfADottedAddressFillsTheEntry)
    {
        QSignalSpy changes(entry_, &IpEntry::changed);
        const struct {
            const char* pasted;
            const char* shown;
        } cases[] = { { " 10.1.2.3 ", "10|1|2|3" }, { "ab.1.2.3xyz", "10|1|2|3" },
            { "1.2.3", "10|1|2|3" }, { "192.168.5.110", "192|168|5|110" } };
        for (const auto& c : cases) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
            entry_->focusBox(2);
            pressKey(Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(boxes(), QLatin1String(c.shown)) << c.pasted;
        }
        EXPECT_EQ(changes.count(), 2);

        QMimeData dropped;
        dropped.setText(u"10.9.8.7"_s);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QCoreApplication::sendEvent(entry_->box(3), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QCoreApplication::sendEvent(entry_->box(3), &drop);
        EXPECT_EQ(boxes(), u"10|9|8|7"_s);
        EXPECT_EQ(changes.count(), 3);
    }

} // namespace
} // namespace linknode
