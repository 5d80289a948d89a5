#include "widgets/ip_entry.h"

#include "tests/widgets/user_input.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

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
            changes_ = std::make_unique<QSignalSpy>(entry_, &IpEntry::changed);
        }

        QStringList boxTexts() const
        {
            QStringList texts;
            for (int i = 0; i < IpEntry::kBoxCount; ++i)
                texts << entry_->box(i)->text();
            return texts;
        }

        QWidget window_;
        IpEntry* entry_ = nullptr;
        QLineEdit* elsewhere_ = nullptr;
        std::unique_ptr<QSignalSpy> changes_;
    };

    TEST_F(IpEntryTest, TypingWithDotsFillsTheFourBoxes)
    {
        // Box 0 has had the focus since the window opened; reading the text keeps its
        // selection, so the first digit still replaces the "0".
        ASSERT_EQ(QApplication::focusWidget(), entry_->box(0));
        EXPECT_EQ(entry_->text(), u"0.0.0.999"_s);
        typeKeys("192.168.0.10");
        EXPECT_EQ(boxTexts(), QStringList({ u"192"_s, u"168"_s, u"0"_s, u"10"_s }));
        EXPECT_EQ(QApplication::focusWidget(), entry_->box(3));
    }

    TEST_F(IpEntryTest, EnterMovesOnExceptFromTheLastBox)
    {
        entry_->focusBox(2);
        pressKey(Qt::Key_Return);
        typeKeys("5");
        pressKey(Qt::Key_Return);
        pressKey(Qt::Key_Enter);
        typeKeys(".");
        EXPECT_EQ(QApplication::focusWidget(), entry_->box(3));
        EXPECT_EQ(entry_->box(3)->text(), u"5"_s);
    }

    struct KeysCase {
        const char* before;
        const char* keys;
        const char* after;
    };

    class IpEntryKeysTest : public IpEntryTest, public ::testing::WithParamInterface<KeysCase> { };

    // The box gets the focus first, which selects its content.
    TEST_P(IpEntryKeysTest, KeysTypedIntoABox)
    {
        entry_->setText(u"1.%1.3.4"_s.arg(QLatin1String(GetParam().before)));
        entry_->focusBox(1);
        typeKeys(GetParam().keys);
        EXPECT_EQ(entry_->box(1)->text(), QLatin1String(GetParam().after));
    }

    INSTANTIATE_TEST_SUITE_P(Cases, IpEntryKeysTest,
        ::testing::Values(KeysCase { "20", "7", "7" }, KeysCase { "1234", "5", "5" },
            KeysCase { "2", "12345", "123" }, KeysCase { "2", "a Z-,+_x", "2" },
            KeysCase { "2", "<1a", "12" }, KeysCase { "2", "25\b", "2" },
            KeysCase { "255", "\b", "" }));

    TEST_F(IpEntryTest, FocusByMouseOrTabSelectsAll)
    {
        entry_->setText(u"10.20.30.40"_s);
        QTest::mouseClick(entry_->box(1), Qt::LeftButton, {}, QPoint(20, 8));
        typeKeys("7");
        pressKey(Qt::Key_Tab);
        typeKeys("9");
        EXPECT_EQ(boxTexts(), QStringList({ u"10"_s, u"7"_s, u"9"_s, u"40"_s }));
    }

    TEST_F(IpEntryTest, FocusLossNormalisesTheBoxes)
    {
        entry_->setText(u"007.1.1.1"_s);
        entry_->focusBox(1);
        typeKeys("\b");
        elsewhere_->setFocus();
        EXPECT_EQ(boxTexts(), QStringList({ u"7"_s, u"0"_s, u"1"_s, u"1"_s }));
    }

    struct TextCase {
        const char* set;
        QStringList boxes;
        const char* read;
    };

    class IpEntryTextTest : public IpEntryTest, public ::testing::WithParamInterface<TextCase> { };

    TEST_P(IpEntryTextTest, SetKeepsFieldsAndReadNormalises)
    {
        entry_->setText(QString::fromLatin1(GetParam().set));
        EXPECT_EQ(boxTexts(), GetParam().boxes);
        EXPECT_EQ(entry_->text(), QString::fromLatin1(GetParam().read));
    }

    INSTANTIATE_TEST_SUITE_P(Cases, IpEntryTextTest,
        ::testing::Values(
            TextCase { "192.168.1", { u"192"_s, u"168"_s, u"1"_s, u""_s }, "192.168.1.0" },
            TextCase { "1.2.3.4.5", { u"1"_s, u"2"_s, u"3"_s, u"4"_s }, "1.2.3.4" },
            TextCase { "10.0.x.1", { u"10"_s, u"0"_s, u"x"_s, u"1"_s }, "10.0.0.1" },
            TextCase { "1234.5.6.7", { u"1234"_s, u"5"_s, u"6"_s, u"7"_s }, "1234.5.6.7" },
            TextCase { "10.0.0110", { u"10"_s, u"0"_s, u"0110"_s, u""_s }, "10.0.110.0" },
            TextCase { "", { u""_s, u""_s, u""_s, u""_s }, "0.0.0.0" },
            TextCase { " 12.00.1a.255", { u" 12"_s, u"00"_s, u"1a"_s, u"255"_s }, "12.0.1.255" },
            TextCase { "99999999999999999999.0.0.1",
                { u"99999999999999999999"_s, u"0"_s, u"0"_s, u"1"_s },
                "99999999999999999999.0.0.1" }));

    TEST_F(IpEntryTest, ChangeIsRaisedOncePerRealChange)
    {
        entry_->setText(u"1.2.3.4"_s);
        entry_->setText(u"1.2.3.4"_s);
        EXPECT_EQ(entry_->text(), u"1.2.3.4"_s);
        EXPECT_EQ(changes_->count(), 1);

        entry_->setText(u"007.2.3.4"_s);
        EXPECT_EQ(entry_->text(), u"7.2.3.4"_s);
        EXPECT_EQ(changes_->count(), 3);

        entry_->focusBox(3);
        typeKeys("56x");
        EXPECT_EQ(changes_->count(), 5);
    }

    TEST_F(IpEntryTest, HandlerMayReadTheTextWhileHandlingAChange)
    {
        QStringList seen;
        QObject::connect(entry_, &IpEntry::changed, entry_, [&] { seen << entry_->text(); });
        entry_->setText(u"010.0.0.1"_s);
        // The set, then the normalisation the handler's read makes; the second read finds
        // nothing left to normalise.
        EXPECT_EQ(seen, QStringList({ u"10.0.0.1"_s, u"10.0.0.1"_s }));
    }

    TEST_F(IpEntryTest, ClicksReachTheContainer)
    {
        QSignalSpy clicks(entry_, &IpEntry::clicked);
        QSignalSpy doubleClicks(entry_, &IpEntry::doubleClicked);
        QTest::mouseClick(entry_->box(2), Qt::LeftButton, {}, QPoint(5, 5));
        userDoubleClick(entry_->box(0), QPoint(5, 5));
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_EQ(doubleClicks.count(), 1);
        ASSERT_TRUE(QMetaObject::invokeMethod(entry_, "click"));
        EXPECT_EQ(clicks.count(), 3);
    }

    TEST_F(IpEntryTest, SizeFitsTheFourBoxesAndThreeDigitsFitABox)
    {
        entry_->resize(400, 60);
        EXPECT_EQ(entry_->size(), QSize(129, 16));
        for (int i = 0; i < IpEntry::kBoxCount; ++i)
            EXPECT_EQ(entry_->box(i)->geometry(), QRect(34 * i, 0, 27, 16)) << i;
        // The box less the line edit's side margins (2 + 2) and the cursor.
        const QFont font = entry_->box(0)->font();
        EXPECT_TRUE(font.bold());
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(u"888"_s), 27 - 5);
    }

    TEST_F(IpEntryTest, PropertiesReachEveryBox)
    {
        entry_->setEntryEnabled(false);
        EXPECT_FALSE(entry_->isEntryEnabled());
        EXPECT_FALSE(entry_->box(3)->isEnabled());
        entry_->setMaskType(true);
        entry_->setMaskType(false);
        EXPECT_FALSE(entry_->maskType());
        entry_->setBackColor(QColor(10, 36, 106));
        EXPECT_EQ(entry_->box(3)->palette().color(QPalette::Base), QColor(10, 36, 106));
        EXPECT_TRUE(entry_->setProperty("text", u"8.8.4.4"_s));
        EXPECT_EQ(entry_->property("text").toString(), u"8.8.4.4"_s);
    }

} // namespace
} // namespace linknode
