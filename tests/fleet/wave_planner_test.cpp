// The wave planner: which devices may change together so that no address is ever taken twice,
// how exchanges go through a spare, and which plans are refused before anything is sent.
#include "fleet/wave_planner.h"

#include <gmock/gmock.h>

#include <sstream>

using namespace linknode;
using testing::HasSubstr;

namespace {

// "5" is 10.0.0.5; a text with a dot is taken as written.
std::string address(const std::string& text)
{
    return text.find('.') == std::string::npos ? "10.0.0." + text : text;
}

std::vector<std::string> addresses(const std::string& texts)
{
    std::vector<std::string> list;
    std::istringstream stream(texts);
    for (std::string word; stream >> word;)
        list.push_back(address(word));
    return list;
}

// The addresses as held by a device outside the run.
std::vector<HeldAddress> held(const std::string& texts)
{
    std::vector<HeldAddress> list;
    for (const std::string& text : addresses(texts))
        list.push_back({ text, "0-80-194-9-9-9" });
    return list;
}

// "5>6 6>7": move a (MAC ...-1) from 10.0.0.5 to 10.0.0.6, move b from 10.0.0.6 to 10.0.0.7.
std::vector<Move> moves(const std::string& texts)
{
    std::vector<Move> list;
    std::istringstream stream(texts);
    for (std::string word; stream >> word;) {
        const size_t arrow = word.find('>');
        const auto last = static_cast<quint8>(list.size() + 1);
        list.push_back({ { 0, 80, 194, 1, 2, last }, address(word.substr(0, arrow)),
            address(word.substr(arrow + 1)) });
    }
    return list;
}

char letter(size_t move)
{
    return static_cast<char>('a' + move);
}

// "a>6 b>7 | c>5/ab": waves apart, each step as move, the last number of its address and the
// moves it comes after.
std::string shown(const WavePlan& plan)
{
    std::string text;
    for (const auto& wave : plan.waves) {
        text += text.empty() ? "" : " |";
        for (const WaveStep& step : wave) {
            text += (text.empty() ? "" : " ") + std::string(1, letter(step.move)) + '>'
                + step.address.substr(step.address.rfind('.') + 1)
                + (step.after.empty() ? "" : "/");
            for (const size_t before : step.after)
                text += letter(before);
        }
    }
    return text;
}

struct Case {
    const char* what;
    const char* moves;
    const char* held;
    const char* spares;
    std::string expected; // the waves, or a part of the refusal
};

TEST(WavePlan, EachAddressIsFreeWhenItsWaveStarts)
{
    const Case cases[] = { { "free targets go at once", "5>6 7>8", "9", "", "a>6 b>8" },
        { "keepers go first, a factory device among them", "5>5 100>100 100>11", "", "",
            "a>5 b>100 c>11" },
        { "a chain moves from its end", "5>6 6>7 7>8", "", "", "c>8 | b>7/c | a>6/b" },
        { "a factory fleet leaves at once, its address is taken after all",
            "100>11 100>12 100>13 20>100 100>14", "", "", "a>11 b>12 c>13 e>14 | d>100/abce" },
        { "an address as a device spells it", "010.0.0.5>6 7>5", "", "", "a>6 | b>5/a" },
        { "an exchange parks one on the spare", "5>6 6>5", "", "99", "a>99 | b>5/a | a>6/b" },
        { "a cycle waits for a device leaving one of its addresses late", "5>6 6>7 7>5 5>9 9>10",
            "", "99", "a>99 e>10 | d>9/e | c>5/ad | b>7/c | a>6/b" },
        { "one spare serves two exchanges in turn", "5>6 6>5 7>8 8>7", "", "99",
            "a>99 | b>5/a | a>6/b | c>99/a | d>7/c | c>8/d" },
        { "two spares serve two exchanges at once", "5>6 6>5 7>8 8>7", "", "98 99",
            "a>98 c>99 | b>5/a d>7/c | a>6/b c>8/d" },
        { "an exchange without a spare", "5>6 6>5", "", "",
            "1 exchange or cycle of addresses (through 0-80-194-1-2-1) has no order; "
            "--spare ADDRESS" },
        { "two cycles without a spare", "5>6 6>5 7>8 8>9 9>7", "", "",
            "2 exchanges or cycles of addresses (the first through 0-80-194-1-2-1) have" },
        { "a target held outside the run", "5>6 7>8", "8", "",
            "0-80-194-1-2-2: the new address 10.0.0.8 is held by 0-80-194-9-9-9, a device not in "
            "the run" },
        { "a keeper whose address another device has", "5.0.0.5>5.0.0.5", "005.0.0.5", "",
            "0-80-194-1-2-1: the new address 5.0.0.5 is held" },
        { "two moves with one target", "5>7 6>6 8>6", "", "",
            "0-80-194-1-2-2 and 0-80-194-1-2-3 would both take 10.0.0.6" },
        { "a target not in plain form", "5>010.0.0.6", "", "",
            "0-80-194-1-2-1: the new address \"010.0.0.6\" is not a plain dotted address" },
        { "a spare that is a target", "5>6 6>5 7>99", "", "99",
            "spare \"10.0.0.99\" is the new address of 0-80-194-1-2-3" },
        { "a spare a device of the run holds", "5>6 6>5 99>7", "", "99",
            "spare \"10.0.0.99\" is held by 0-80-194-1-2-3" },
        { "a spare held outside the run", "5>6 6>5", "99", "99",
            "spare \"10.0.0.99\" is held by 0-80-194-9-9-9, a device not in the run" },
        { "a spare not in plain form", "5>6", "", "10.0.0.99.1", "is not a plain dotted" } };
    for (const Case& c : cases) {
        const WavePlan plan = planWaves(moves(c.moves), held(c.held), addresses(c.spares));
        if (!plan.problem)
            EXPECT_EQ(shown(plan), c.expected) << c.what;
        else {
            EXPECT_THAT(plan.problem.text, HasSubstr(c.expected)) << c.what;
            EXPECT_TRUE(plan.waves.empty()) << c.what;
        }
    }
}

TEST(WavePlan, LargeFleetsTakeOneWavePerLinkOfTheLongestChain)
{
    std::string fleet;
    for (int i = 0; i < 1000; ++i)
        fleet += "192.168.1.100>10.1." + std::to_string(i / 200) + "." + std::to_string(i % 200 + 1)
            + ' ';
    fleet += "10.0.0.1>192.168.1.100 ";
    for (int i = 2; i <= 200; ++i)
        fleet += "10.0.0." + std::to_string(i) + ">10.0.0." + std::to_string(i - 1) + ' ';
    const WavePlan plan = planWaves(moves(fleet), {}, {});
    ASSERT_FALSE(plan.problem) << plan.problem.text;
    ASSERT_EQ(plan.waves.size(), 201u);
    EXPECT_EQ(plan.waves[0].size(), 1000u);
    EXPECT_EQ(plan.waves[1].front().after.size(), 1000u);
    EXPECT_EQ(plan.waves[200].front().address, "10.0.0.199");
}

} // namespace
