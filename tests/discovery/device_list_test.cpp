// The device list and store in step: one line per MAC, in place updates, aligned MAC column,
// the 10000-line limit, a new order after a sort, and what a hostile host's replies cannot do.
#include "discovery/device_list.h"
#include "discovery/device_list_model.h"
#include "discovery/device_store.h"
#include "discovery/list_alignment.h"
#include "link/envelope.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gmock/gmock.h>

using namespace linknode;
using Intake = DeviceList::Intake;

namespace {

struct Fixture {
    DeviceStore store;
    DeviceListModel model;
    DeviceList list { store, model };
    // Any signal that breaks the model's contract with its views ends the test.
    QAbstractItemModelTester tester { &model,
        QAbstractItemModelTester::FailureReportingMode::Fatal };

    // The list as the view shows it at the end of a run of replies.
    std::vector<std::string> lines()
    {
        list.alignIfWidthChanged();
        model.commit();
        std::vector<std::string> shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown.push_back(model.index(row).data().toString().toStdString());
        return shown;
    }
};

TEST(DeviceList, SameTextTwiceGivesOneLineAndNoUpdate)
{
    Fixture f;
    // Bytes above ASCII survive the list and the store.
    const std::string bytes = "1-2-3-4-5-6,10.0.0.1,x,\xB8\xEA\xFF";
    f.list.take(bytes);
    EXPECT_EQ(f.store.at(0), bytes);
    EXPECT_EQ(f.model.line(0).toLatin1().toStdString(), bytes);
    EXPECT_EQ(f.list.take("0-80-194-1-2-3,10.0.0.1,255.0.0.0"), Intake::Added);
    f.model.commit();
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    EXPECT_EQ(f.list.take("0-80-194-1-2-3,10.0.0.1,255.0.0.0"), Intake::Unchanged);
    EXPECT_EQ(f.list.count(), 2);
    EXPECT_EQ(changed.count(), 0);
    // A new MAC with a listed address is another device.
    EXPECT_EQ(f.list.take("0-80-194-1-2-4,10.0.0.1,255.0.0.0"), Intake::Added);
    EXPECT_EQ(f.list.count(), 3);
}

// A later reply of a listed MAC replaces its line in place: a changed field, or another
// spelling of the MAC (a forged reply that spelled it first must not stand in for the
// device), the column following it there and back.
TEST(DeviceList, ALaterReplyOfAListedMacReplacesItsLineInPlace)
{
    const struct {
        const char* reply;
        std::vector<std::string> lines;
    } replies[] = { { "0-80-194-1-2-4,10.0.0.9,b",
                        { "0-80-194-1-2-3,10.0.0.1,a", "0-80-194-1-2-4,10.0.0.9,b",
                            "0-80-194-1-2-5,10.0.0.3,c" } },
        { "000-080-194-001-002-004,10.0.0.2,b",
            { "0-80-194-1-2-3         ,10.0.0.1,a", "000-080-194-001-002-004,10.0.0.2,b",
                "0-80-194-1-2-5         ,10.0.0.3,c" } },
        { "0-80-194-1-2-4,10.0.0.2,b",
            { "0-80-194-1-2-3,10.0.0.1,a", "0-80-194-1-2-4,10.0.0.2,b",
                "0-80-194-1-2-5,10.0.0.3,c" } } };
    Fixture f;
    f.list.take("0-80-194-1-2-3,10.0.0.1,a");
    f.list.take("0-80-194-1-2-4,10.0.0.2,b");
    f.list.take("0-80-194-1-2-5,10.0.0.3,c");
    for (const auto& r : replies) {
        EXPECT_EQ(f.list.take(r.reply), Intake::Replaced) << r.reply;
        EXPECT_EQ(f.list.count(), 3);
        EXPECT_EQ(f.list.lineOf("0-80-194-1-2-4"), 1);
        EXPECT_EQ(f.store.at(1), r.reply);
        EXPECT_EQ(f.lines(), r.lines) << r.reply;
    }
}

TEST(DeviceList, ShorterMacsArePaddedSoTheFirstCommasAlignAndNoMacIsNoDevice)
{
    Fixture first; // both lines arrive before the view has seen any
    first.list.take("0-80-194-1-2-3,10.0.0.1,x");
    first.list.take("0-80-194-1-2-33,10.0.0.2,y");
    EXPECT_THAT(first.lines(),
        testing::ElementsAre("0-80-194-1-2-3 ,10.0.0.1,x", "0-80-194-1-2-33,10.0.0.2,y"));
    Fixture f;
    f.list.take("0-80-194-1-2-3,10.0.0.1,x");
    EXPECT_THAT(f.lines(), testing::ElementsAre("0-80-194-1-2-3,10.0.0.1,x"));
    f.list.take("0-80-194-1-2-33,10.0.0.2,y");
    EXPECT_THAT(f.lines(),
        testing::ElementsAre("0-80-194-1-2-3 ,10.0.0.1,x", "0-80-194-1-2-33,10.0.0.2,y"));
    // The store keeps the records as sent; only the list carries the blanks.
    EXPECT_EQ(f.store.at(0), "0-80-194-1-2-3,10.0.0.1,x");
    // Replies whose first field is no MAC are not listed.
    for (const std::string& stray : { std::string("garbage"), std::string(200, 'x') + ",10.0.0.1",
             std::string("0-0-0-0-0-0,10.0.0.1"), std::string("0-80-194-1-2-300,10.0.0.1"),
             std::string("0-80-194-1-2,10.0.0.1"), std::string() })
        EXPECT_EQ(f.list.take(stray), Intake::NotAMac) << stray;
    // The MAC column keeps the width of the devices.
    EXPECT_THAT(f.lines(),
        testing::ElementsAre("0-80-194-1-2-3 ,10.0.0.1,x", "0-80-194-1-2-33,10.0.0.2,y"));
}

// Each datagram comes in a run of its own, the costliest way to deliver them.
TEST(DeviceList, HostileSpellingsListEachDeviceOnceInANarrowColumn)
{
    const std::string blanks(2000, ' ');
    const struct {
        const char* what;
        std::vector<std::string> records;
        std::vector<std::string> lines;
    } cases[] = { { "padded MAC", { "0-80-194-1-2-3,a", blanks + "9-9-9-9-9-9" + blanks + ",b" },
                      { "0-80-194-1-2-3,a", "9-9-9-9-9-9   ,b" } },
        // The MAC column narrows and widens again; only that line changes each time.
        { "reply without fields between two with",
            { "0-80-194-1-2-3,a", "0-80-194-1-2-3", "0-80-194-1-2-3,a" }, { "0-80-194-1-2-3,a" } },
        { "MAC past where a long record is cut",
            { "0-1-2-3-4-5,a", std::string(60000, ' ') + "9-9-9-9-9-9,b" }, { "0-1-2-3-4-5,a" } } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        int rewrittenLines = 0;
        QObject::connect(&f.model, &QAbstractItemModel::dataChanged, &f.model,
            [&](const QModelIndex& first, const QModelIndex& last) {
                rewrittenLines += last.row() - first.row() + 1;
            });
        for (const std::string& record : c.records) {
            const std::string datagram = "\xFE\xFF" + record;
            if (const auto taken = replyRecord(datagram))
                f.list.take(std::string(taken->record), taken->cut);
            f.lines();
        }
        EXPECT_THAT(f.lines(), testing::ElementsAreArray(c.lines));
        EXPECT_EQ(f.list.count(), static_cast<int>(c.lines.size()));
        EXPECT_LE(rewrittenLines, static_cast<int>(c.records.size()))
            << "a reply rewrites its own line, not the list";
    }
}

TEST(DeviceList, ACutRecordIsListedAndItsTipSaysSoUntilAWholeOneComes)
{
    const std::string mac = "0-80-194-1-2-3,";
    const std::string full = mac + std::string(longestRecord - mac.size(), 'x');
    const struct {
        const char* what;
        std::vector<std::pair<std::string, bool>> replies;
        bool cut;
    } cases[] = { { "cut", { { full, true } }, true },
        { "whole after cut", { { full, true }, { mac + "a", false } }, false },
        { "same bytes, now cut", { { full, false }, { full, true } }, true } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        for (const auto& [record, cut] : c.replies)
            f.list.take(record, cut);
        f.lines();
        ASSERT_EQ(f.list.count(), 1);
        EXPECT_LE(f.list.record(0).size(), longestRecord);
        EXPECT_EQ(f.model.index(0).data(Qt::ToolTipRole).toString(),
            c.cut ? f.model.line(0) + QStringLiteral(" (record cut at 4096 bytes)") : QString());
    }

    // A new order keeps the mark with its line.
    Fixture f;
    f.list.take("0-0-0-0-0-1,a");
    f.list.take(full, true);
    f.lines();
    f.list.reorder({ 1, 0 });
    EXPECT_TRUE(f.model.isCut(0));
    EXPECT_FALSE(f.model.isCut(1));
}

TEST(DeviceList, TenThousandLinesReachTheViewInOneInsertionThenANewMacIsRefused)
{
    Fixture f;
    QSignalSpy inserted(&f.model, &QAbstractItemModel::rowsInserted);
    for (int i = 0; i < DeviceStore::capacity; ++i)
        ASSERT_EQ(f.list.take("0-0-0-1-" + std::to_string(i / 256) + "-" + std::to_string(i % 256)
                      + ",10.0.0.1,x"),
            Intake::Added);
    EXPECT_EQ(f.model.rowCount(), 0);
    f.model.commit();
    EXPECT_EQ(f.model.rowCount(), DeviceStore::capacity);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(f.list.take("9-9-9-9-9-9,10.0.0.2,x"), Intake::Full);
    EXPECT_EQ(f.list.count(), DeviceStore::capacity);
    // A listed device still updates.
    EXPECT_EQ(f.list.take("0-0-0-1-0-0,10.0.0.3,x"), Intake::Replaced);
    EXPECT_EQ(f.store.at(0), "0-0-0-1-0-0,10.0.0.3,x");
}

TEST(DeviceList, ReorderPutsListLinesIntoTheStoreAndKeepsMatchingByMac)
{
    Fixture f;
    f.list.take("0-80-194-1-2-3,10.0.0.9,a");
    f.list.take("0-80-194-1-2-33,10.0.0.1,b");
    f.list.reorder({ 1, 0 });
    EXPECT_EQ(f.store.at(0), "0-80-194-1-2-33,10.0.0.1,b");
    EXPECT_EQ(f.store.at(1), "0-80-194-1-2-3 ,10.0.0.9,a");
    // A reply after the sort finds its device on its new line.
    EXPECT_EQ(f.list.take("0-80-194-1-2-3,10.0.0.8,a"), Intake::Replaced);
    EXPECT_THAT(f.lines(),
        testing::ElementsAre("0-80-194-1-2-33,10.0.0.1,b", "0-80-194-1-2-3 ,10.0.0.8,a"));
}

TEST(ListAlignment, PadsToTheWidthAndTrimsTheMacField)
{
    const struct {
        const char* record;
        int width;
        const char* line;
    } cases[] = { { "0-1-2-3-4-5,ip", 12, "0-1-2-3-4-5,ip" },
        { "0-1-2-3-4-5,ip", 15, "0-1-2-3-4-5   ,ip" },
        { " 0-1-2-3-4-5 ,ip", 15, "0-1-2-3-4-5   ,ip" }, { "no comma", 15, "no comma" },
        { ",ip", 4, "   ,ip" } };
    for (const auto& c : cases)
        EXPECT_EQ(alignedLine(c.record, c.width), c.line) << c.record;
    EXPECT_EQ(alignedCommaPosition("ab,c"), 3);
    EXPECT_EQ(alignedCommaPosition("  ab  ,c"), 3);
    EXPECT_EQ(alignedCommaPosition("abc"), 0);
}

} // namespace
