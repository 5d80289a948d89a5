#include "widgets/list_box.h"

#include "tests/widgets/user_input.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
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

        void clickRow(int row)
        {
            QTest::mouseClick(list_.viewport(), Qt::LeftButton, {},
                list_.visualRect(list_.model()->index(row, 0)).center());
        }

        QList<int> clickedRows() const
        {
            QList<int> rows;
            for (const QList<QVariant>& args : clicks_)
                rows << args.at(0).toInt();
            return rows;
        }

        ListBox list_;
        QSignalSpy clicks_ { &list_, &ListBox::rowClicked };
    };

    TEST_F(ListBoxTest, UserClicksAndDoubleClicksOnRows)
    {
        QSignalSpy doubleClicks(&list_, &ListBox::rowDoubleClicked);
        clickRow(1);
        QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, QPoint(10, 190)); // below rows
        userDoubleClick(list_.viewport(), list_.visualRect(list_.model()->index(2, 0)).center());
        EXPECT_EQ(clickedRows(), QList<int>({ 1, 2 }));
        EXPECT_EQ(doubleClicks.count(), 1);
        EXPECT_EQ(doubleClicks.at(0).at(0).toInt(), 2);
        EXPECT_EQ(list_.selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(list_.property("text").toString(), u"gamma"_s);
    }

    TEST_F(ListBoxTest, SelectRowAndKeyboardMovesAreClicksOnExistingRowsAndNothingIsEditable)
    {
        EXPECT_TRUE(list_.selectRow(0));
        EXPECT_FALSE(list_.selectRow(3));
        EXPECT_FALSE(list_.selectRow(-1));
        for (int i = 0; i < 3; ++i) // the third stays on the last row
            QTest::keyClick(&list_, Qt::Key_Down);
        EXPECT_TRUE(list_.selectionModel()->isRowSelected(2, {}));
        ASSERT_TRUE(QMetaObject::invokeMethod(&list_, "click"));
        EXPECT_EQ(clickedRows(), QList<int>({ 0, 1, 2, 2 }));
        QTest::keyClick(&list_, Qt::Key_F2);
        typeKeys("zz");
        pressKey(Qt::Key_Return);
        EXPECT_EQ(list_.items(), QStringList({ u"alpha"_s, u"beta"_s, u"gamma"_s }));
    }

    TEST_F(ListBoxTest, CopiesTheLineItsMacOrItsAddress)
    {
        list_.setItems({ u"0-80-194-1-2-3   ,10.0.0.7,255.0.0.0"_s });
        list_.selectRow(0);
        QTest::keyClick(&list_, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), u"0-80-194-1-2-3   ,10.0.0.7,255.0.0.0"_s);
        std::unique_ptr<QMenu> menu(list_.copyMenu());
        ASSERT_TRUE(menu);
        const QStringList expected
            = { u"0-80-194-1-2-3   ,10.0.0.7,255.0.0.0"_s, u"0-80-194-1-2-3"_s, u"10.0.0.7"_s };
        ASSERT_EQ(menu->actions().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            menu->actions()[i]->trigger();
            EXPECT_EQ(QGuiApplication::clipboard()->text(), expected[i]);
        }
    }

    TEST_F(ListBoxTest, AnyModelCanBeShown)
    {
        QStandardItemModel other;
        other.appendRow(new QStandardItem(u"one"_s));
        other.appendRow(new QStandardItem(u"two"_s));
        list_.setModel(&other);
        EXPECT_EQ(list_.items(), QStringList({ u"one"_s, u"two"_s }));
        clickRow(1);
        EXPECT_EQ(clickedRows(), QList<int>({ 1 }));
        EXPECT_EQ(list_.currentText(), u"two"_s);
    }

} // namespace
} // namespace linknode
