#include "widgets/change_label.h"
#include "widgets/focus_line_edit.h"

#include "tests/widgets/user_input.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    using namespace testing_input;
    using namespace Qt::StringLiterals;

    TEST(ChangeLabelTest, RaisesCaptionChangedOnlyWhenTheCaptionChanges)
    {
        ChangeLabel label(u"0"_s);
        QSignalSpy changes(&label, &ChangeLabel::captionChanged);
        label.setText(u"0"_s);
        label.setText(u"12"_s);
        EXPECT_TRUE(label.setProperty("text", u"13"_s));
        EXPECT_TRUE(label.setProperty("text", u"13"_s));
        EXPECT_EQ(changes.count(), 2);
    }

    class ClickableTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            window_.resize(200, 100);
            label_ = new ChangeLabel(u"LABEL"_s, &window_);
            label_->setGeometry(0, 0, 80, 20);
            edit_ = new FocusLineEdit(&window_);
            edit_->setGeometry(0, 40, 80, 20);
            ASSERT_TRUE(showActive(window_));
        }

        QWidget window_;
        ChangeLabel* label_ = nullptr;
        FocusLineEdit* edit_ = nullptr;
    };

    TEST_F(ClickableTest, LabelCountsEachUserGestureOnce)
    {
        QSignalSpy clicks(label_, &ChangeLabel::clicked);
        QSignalSpy doubleClicks(label_, &ChangeLabel::doubleClicked);
        QTest::mouseClick(label_, Qt::LeftButton, {}, QPoint(5, 5));
        userDoubleClick(label_, QPoint(5, 5));
        QTest::mouseClick(label_, Qt::RightButton, {}, QPoint(5, 5));
        // Released outside the label: no click.
        QTest::mousePress(label_, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label_, Qt::LeftButton, {}, QPoint(150, 5));
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_EQ(doubleClicks.count(), 1);
        ASSERT_TRUE(QMetaObject::invokeMethod(label_, "doubleClick"));
        EXPECT_EQ(doubleClicks.count(), 2);
    }

    TEST_F(ClickableTest, LineEditReportsFocusLossAndClicks)
    {
        QSignalSpy lost(edit_, &FocusLineEdit::lostFocus);
        QSignalSpy clicks(edit_, &FocusLineEdit::clicked);
        QTest::mouseClick(edit_, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_TRUE(edit_->hasFocus());
        EXPECT_EQ(lost.count(), 0);
        label_->setFocusPolicy(Qt::StrongFocus);
        label_->setFocus();
        EXPECT_EQ(lost.count(), 1);
        ASSERT_TRUE(QMetaObject::invokeMethod(edit_, "click"));
        EXPECT_EQ(clicks.count(), 2);
    }

} // namespace
} // namespace linknode
