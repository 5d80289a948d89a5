// The re-addressing plan: rows refused before anything is sent, and an order in which each
// new address is free when its turn comes.
#include "fleet/readdress_plan.h"

#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::HasSubstr;

namespace {

// The rows read, "line:MAC's last byte ip mask gateway" a line with "-" for the device's own
// value, or the refusal, which must be short.
std::string read(const std::string& text)
{
    QString problem;
    const auto rows = parsePlan(QByteArray::fromStdString(text), &problem);
    if (!rows)
        return problem.size() < 160 ? problem.toStdString() : "too long: " + problem.toStdString();
    std::string shown;
    for (const PlanRow& row : *rows)
        shown += std::to_string(row.line) + ":" + std::to_string(row.mac[5]) + " " + row.ip + " "
            + row.mask.value_or("-") + " " + row.gateway.value_or("-") + "\n";
    return shown;
}

TEST(Plan, IsReadAsSpreadsheetsSaveItOrRefusedNamingTheLineOnce)
{
    const std::pair<std::string, std::string> refused[]
        = { { "0-80-194-1-2-3\n", "line 1: no device address" },
              { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,x\n",
                  "\"x\" is in no column of mac, ip, mask, gateway" },
              { "0-80-194-1-2,10.0.0.5\n", "is not a MAC" }, { ",10.0.0.5\n", "line 1: no MAC" },
              { "0-80-194-1-2-3,10.0.0.256\n", "is not a device address" },
              { "0-80-194-1-2-3,255.255.255.255\n", "is not a device address" },
              { "0-80-194-1-2-3,10.0.0.5,255.0.255.0\n", "not a subnet mask" },
              { "0-80-194-1-2-3,10.0.0.5,255.255.0.0,10.0.0\n", "not a gateway address" },
              { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-3,10.0.0.6\n",
                  "line 2: MAC 0-80-194-1-2-3 is in the plan twice" },
              { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-4,10.0.0.5\n",
                  "address 10.0.0.5 is in the plan twice" },
              { "# nothing\n\n,,,\n", "no rows" },
              { "MAC,IP,Gatway\n", "line 1: column \"Gatway\" is unknown; the columns are mac" },
              { "mac,Mac,ip\n", "column \"Mac\" is named twice" },
              { "mac,mask\n", "the header names no mac or no ip column" },
              // A stray quote would swallow the rest of the file into one value.
              { "mac,ip\n0-80-194-1-2-3,\"10.0.0.5\n" + std::string(100000, '\n'),
                  "plan line 2: a quoted value is not closed" },
              { "\"0-80-194-1-2-3\"x,10.0.0.5\n", "line 1: text after the closing quote" },
              { "0-80-194-1-2-3,\"10.0.0.5\"\"x\"\n", "\"10.0.0.5\"x\" is not a device" },
              { "0-80-194-1-2-3,\"10.0.0\n5\"\n", "line 1: \"10.0.0^10^5\" is not a device" },
              { "0-80-194-1-2-3,\"" + std::string(100000, 'x') + "\"\n",
                  "\"" + std::string(39, 'x') + "\u2026\" is not a device address" },
              { "# c\n\"0-80-194-1-2-3\",10.0.0.5,,\"10.0.0.1\n\"\nbad,10.0.0.6\n",
                  "line 4: \"bad\" is not a MAC" } };
    for (const auto& [text, problem] : refused)
        EXPECT_THAT(read(text), HasSubstr(problem)) << text.substr(0, 80);

    const std::pair<const char*, const char*> plans[] = {
        // comments, blank lines, blanks and a header
        { "mac,ip,mask\n# first floor\n\n  # indented\n0-80-194-1-2-3, 10.0.0.5 ,255.255.0.0\r\n",
            "5:3 10.0.0.5 255.255.0.0 -\n" },
        // byte order mark, header in any case and order, CRLF
        { "\xEF\xBB\xBFGateway,IP,MAC\r\n10.0.0.1,10.0.0.5,0-80-194-1-2-3\r\n",
            "2:3 10.0.0.5 - 10.0.0.1\n" },
        // quoted values with blanks around them
        { "\"0-80-194-1-2-3\", \"10.0.0.5\" ,\"255.255.255.0\"\n",
            "1:3 10.0.0.5 255.255.255.0 -\n" },
        // empty cells keep the device's values, empty rows skipped
        { "0-80-194-1-2-3,10.0.0.5,,10.0.0.1\n,,,\n0-80-194-1-2-4,10.0.0.6,,,,\n",
            "1:3 10.0.0.5 - 10.0.0.1\n3:4 10.0.0.6 - -\n" },
        // a line break inside quotes, lines counted in the file
        { "mac,ip,mask,gateway,\n\"0-80-194-1-2-3\",10.0.0.5,,\"10.0.0.1\r\n\"\n"
          "0-80-194-1-2-4,10.0.0.6\n",
            "2:3 10.0.0.5 - 10.0.0.1\n4:4 10.0.0.6 - -\n" },
        // CR line ends, no end at the end
        { "mac,ip\r0-80-194-1-2-3,10.0.0.5\r0-80-194-1-2-4,10.0.0.6",
            "2:3 10.0.0.5 - -\n3:4 10.0.0.6 - -\n" },
    };
    for (const auto& [text, rows] : plans)
        EXPECT_EQ(read(text), rows) << text;
}

DeviceEntry device(int last, const char* ip)
{
    return { "0-80-194-1-2-" + std::to_string(last) + "," + ip + ",255.255.255.0,10.0.0.1", {},
        {} };
}

PlanRow row(int last, const char* ip)
{
    PlanRow row;
    row.mac = { 0, 80, 194, 1, 2, static_cast<quint8>(last) };
    row.ip = ip;
    return row;
}

TEST(Order, EachNewAddressIsFreeWhenItsTurnComes)
{
    PlanRow keep = row(1, "10.0.0.1");
    keep.mask = "255.255.0.0";
    const struct {
        const char* what;
        std::vector<PlanRow> rows;
        std::vector<DeviceEntry> found;
        std::vector<int> order; // the MACs' last bytes
        const char* problem;
        QStringList silent = {};
    } cases[] = { { "a device moves only after the holder of its new address has left",
                      { row(1, "10.0.0.2"), row(2, "10.0.0.3"), row(3, "10.0.0.9") },
                      { device(1, "10.0.0.1"), device(2, "10.0.0.2"), device(3, "10.0.0.3") },
                      { 3, 2, 1 }, "" },
        { "independent rows keep the file order", { row(2, "10.0.0.20"), row(1, "10.0.0.10") },
            { device(1, "10.0.0.1"), device(2, "10.0.0.2") }, { 2, 1 }, "" },
        { "keeping one's own address is no conflict", { keep }, { device(1, "10.0.0.1") }, { 1 },
            "" },
        { "two devices exchanging addresses", { row(1, "10.0.0.2"), row(2, "10.0.0.1") },
            { device(1, "10.0.0.1"), device(2, "10.0.0.2") }, {}, "exchange addresses" },
        { "an address held outside the plan", { row(1, "10.0.0.7") },
            { device(1, "10.0.0.1"), device(7, "10.0.0.7") }, {},
            "10.0.0.7 is held by 0-80-194-1-2-7" },
        { "every MAC must answer", { row(1, "10.0.0.5"), row(4, "10.0.0.6") },
            { device(1, "10.0.0.1") }, {}, "no answer", { u"0-80-194-1-2-4"_s } } };
    for (const auto& c : cases) {
        const auto plan = orderPlan(c.rows, c.found);
        std::vector<int> order;
        for (const PlanStep& step : plan.steps)
            order.push_back(step.row.mac[5]);
        EXPECT_THAT(plan.problem.text, HasSubstr(c.problem)) << c.what;
        EXPECT_EQ(!plan.problem, !*c.problem) << c.what;
        EXPECT_EQ(order, c.order) << c.what;
        EXPECT_EQ(plan.silent, c.silent) << c.what;
    }
}

} // namespace
