// Sorting by IP, the export file, and the option characters' padding.
#include "discovery/list_tools.h"

#include <gmock/gmock.h>

using namespace linknode;

namespace {

std::vector<std::string> sorted(const std::vector<std::string>& ips)
{
    std::vector<std::string> lines;
    for (const std::string& ip : ips)
        lines.push_back("mac," + ip);
    std::vector<std::string> result;
    for (int i : orderByIp(ips, lines))
        result.push_back(ips[static_cast<size_t>(i)]);
    return result;
}

TEST(OrderByIp, ComparesTheFourOctetsAsNumbersThenTheWholeLine)
{
    EXPECT_THAT(sorted({ "10.0.0.10", "10.0.1.1", "10.0.0.2" }),
        testing::ElementsAre("10.0.0.2", "10.0.0.10", "10.0.1.1"));
    EXPECT_THAT(sorted({ "192.168.50.1", "192.168.5.10" }),
        testing::ElementsAre("192.168.5.10", "192.168.50.1"));
    EXPECT_THAT(sorted({ "10.0.0.1", "9.255.255.255", "255.0.0.0", "0.0.0.0" }),
        testing::ElementsAre("0.0.0.0", "9.255.255.255", "10.0.0.1", "255.0.0.0"));
    // Empty and malformed addresses come first.
    EXPECT_THAT(sorted({ "10.0.0.1", "", "10.0.x.1", "192.168.1.300", "1.2.3" }),
        testing::ElementsAre("", "1.2.3", "10.0.x.1", "192.168.1.300", "10.0.0.1"));
    // Equal addresses are ordered by the whole line.
    const std::vector<std::string> ips { "10.0.0.1", "10.0.0.1", "10.0.0.0" };
    const std::vector<std::string> lines { "b,10.0.0.1", "a,10.0.0.1", "c,10.0.0.0" };
    EXPECT_THAT(orderByIp(ips, lines), testing::ElementsAre(2, 1, 0));
}

TEST(ExportText, TwoLinesADeviceAndOptionCharactersPaddedOnlyWhenShortDigits)
{
    const std::string blanks16(16, ' ');
    const std::string tail = " = _______________________________\r\n\r\n";
    EXPECT_EQ(exportText({ "0-1-2-3-4-5 ,10.0.0.1,255.0.0.0", "0-1-2-3-4-55,192.168.100.200,x" }),
        "\r\n0-1-2-3-4-5    10.0.0.1        " + tail + "0-1-2-3-4-55   192.168.100.200 " + tail);
    const struct {
        const char* line;
        std::string exported;
    } cases[] = { { "0-1-2-3-4-5,10.0.0.1", "0-1-2-3-4-5   " + blanks16 + tail },
        { "lonely", "lonely   " + blanks16 + tail },
        { "m,1.2.3.4567890123456789,x", "m   1.2.3.4567890123456789" + tail } };
    for (const auto& c : cases)
        EXPECT_EQ(exportText({ c.line }), "\r\n" + c.exported) << c.line;
    EXPECT_EQ(exportText({}), "\r\n");

    // Option characters are padded only when they are short digits.
    const struct {
        std::string in, out;
    } options[] = { { "7", "0007" }, { "", "0000" }, { "123", "0123" }, { "2780", "2780" },
        { "12345", "12345" }, { "20N0", "20N0" },
        { std::string("00\xB8"
                      "0"),
            std::string("00\xB8"
                        "0") },
        { "2N", "2N" }, { " 7", " 7" } };
    for (const auto& c : options)
        EXPECT_EQ(padOptionCharacters(c.in), c.out) << c.in;
}

} // namespace
