#include "widgets/change_label.h"
#include "widgets/focus_line_edit.h"

#include "tests/widgets/user_input.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    using namespace testing_input;
    using namespace Qt::StringLiterals;

    // The label raises a caption change only when the caption changes, and counts each user
    // gesture once; the line edit reports its focus loss.
    TEST(ChangeLabelTest, CaptionChangesGesturesAndFocusLoss)
    {
        QWidget window;
        window.resize(200, 100);
        auto* label = new ChangeLabel(u"0"_s, &window);
        QSignalSpy changes(label, &ChangeLabel::captionChanged);
        label->setText(u"0"_s);
        label->setText(u"12"_s);
        EXPECT_TRUE(label->setProperty("text", u"13"_s));
        EXPECT_TRUE(label->setProperty("text", u"13"_s));
        EXPECT_EQ(changes.count(), 2);
        label->setGeometry(0, 0, 80, 20);
        label->setFocusPolicy(Qt::StrongFocus);
        auto* edit = new FocusLineEdit(&window);
        edit->setGeometry(0, 40, 80, 20);
        ASSERT_TRUE(showActive(window));

        QSignalSpy clicks(label, &ChangeLabel::clicked);
        QSignalSpy doubleClicks(label, &ChangeLabel::doubleClicked);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        userDoubleClick(label, QPoint(5, 5));
        QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
        // Released outside the label: no click.
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(150, 5));
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_EQ(doubleClicks.count(), 1);

        QSignalSpy lost(edit, &FocusLineEdit::lostFocus);
        QSignalSpy editClicks(edit, &FocusLineEdit::clicked);
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_TRUE(edit->hasFocus());
        EXPECT_EQ(editClicks.count(), 1);
        EXPECT_EQ(lost.count(), 0);
        label->setFocus();
        EXPECT_EQ(lost.count(), 1);
    }

} // namespace
} // namespace linknode
