#include "widgets/list_box.h"

#include "tests/widgets/user_input.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    using namespace testing_input;
    using namespace Qt::StringLiterals;

    class ListBoxTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            list_.resize(200, 200);
            list_.setItems({ u"alpha"_s, u"beta"_s });
            list_.addItem(u"gamma"_s);
            ASSERT_TRUE(showActive(list_));
            list_.setFocus();
        }

        QPoint rowCentre(int row) const
        {
            return list_.visualRect(list_.model()->index(row, 0)).center();
        }

        static QList<int> rows(const QSignalSpy& spy)
        {
            QList<int> result;
            for (const QList<QVariant>& args : spy)
                result << args.at(0).toInt();
            return result;
        }

        ListBox list_;
    };

    TEST_F(ListBoxTest, UserClicksAndDoubleClicksOnRows)
    {
        QSignalSpy clicks(&list_, &ListBox::rowClicked);
        QSignalSpy doubleClicks(&list_, &ListBox::rowDoubleClicked);
        QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, rowCentre(1));
        QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, QPoint(10, 190)); // below rows
        userDoubleClick(list_.viewport(), rowCentre(2));
        EXPECT_EQ(rows(clicks), QList<int>({ 1, 2 }));
        EXPECT_EQ(rows(doubleClicks), QList<int>({ 2 }));
        EXPECT_EQ(list_.selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(list_.property("text").toString(), u"gamma"_s);
    }

    TEST_F(ListBoxTest, KeyboardMovesAreClicksAndNothingIsEditable)
    {
        list_.selectRow(0);
        QSignalSpy clicks(&list_, &ListBox::rowClicked);
        for (int i = 0; i < 3; ++i) // the third stays on the last row
            QTest::keyClick(&list_, Qt::Key_Down);
        EXPECT_EQ(rows(clicks), QList<int>({ 1, 2 }));
        QTest::keyClick(&list_, Qt::Key_F2);
        typeKeys("zz");
        pressKey(Qt::Key_Return);
        EXPECT_EQ(list_.items(), QStringList({ u"alpha"_s, u"beta"_s, u"gamma"_s }));
    }

    TEST_F(ListBoxTest, SelectRowActsAsAClickOnExistingRowsOnly)
    {
        QSignalSpy clicks(&list_, &ListBox::rowClicked);
        EXPECT_TRUE(list_.selectRow(2));
        EXPECT_FALSE(list_.selectRow(3));
        EXPECT_FALSE(list_.selectRow(-1));
        EXPECT_EQ(rows(clicks), QList<int>({ 2 }));
        EXPECT_TRUE(list_.selectionModel()->isRowSelected(2, {}));
        ASSERT_TRUE(QMetaObject::invokeMethod(&list_, "click"));
        EXPECT_EQ(rows(clicks), QList<int>({ 2, 2 }));
    }

    TEST_F(ListBoxTest, AnyModelCanBeShown)
    {
        QStandardItemModel other;
        other.appendRow(new QStandardItem(u"one"_s));
        other.appendRow(new QStandardItem(u"two"_s));
        list_.setModel(&other);
        EXPECT_EQ(list_.items(), QStringList({ u"one"_s, u"two"_s }));
        QSignalSpy clicks(&list_, &ListBox::rowClicked);
        QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, rowCentre(1));
        EXPECT_EQ(rows(clicks), QList<int>({ 1 }));
        EXPECT_EQ(list_.currentText(), u"two"_s);
    }

} // namespace
} // namespace linknode
