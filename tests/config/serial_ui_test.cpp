// The serial selectors keep the device's codes in their tags: whatever a device reported and
// whatever the user chose afterwards, the tags match what the selectors show.
#include "tests/config/view_fixture.h"

#include <QComboBox>

using namespace linknode;
using namespace linknode::test;

namespace {

struct SerialSelectors : ConfigView {
    QComboBox& parity() { return tool[INP_PARITY]; }
    QComboBox& stopBits() { return tool[INP_StopBit]; }
    QComboBox& dataBits() { return tool[INP_DATABITS]; }

    // The parity code: None 0, Even 1, Odd 2, plus 3 with two stop bits.
    void expectParityCodeMatchesShown()
    {
        const int base
            = QStringList({ QStringLiteral("None"), QStringLiteral("Even"), QStringLiteral("Odd") })
                  .indexOf(parity().currentText());
        ASSERT_GE(base, 0) << parity().currentText().toStdString();
        const int twoStopBits = stopBits().currentText() == QLatin1String("2") ? 3 : 0;
        EXPECT_EQ(parity().property("tag").toString(), QString::number(base + twoStopBits));
    }
    void expectDataBitsCodeMatchesShown()
    {
        const QString shown = dataBits().currentText();
        ASSERT_TRUE(shown == QLatin1String("8") || shown == QLatin1String("7"));
        EXPECT_EQ(dataBits().property("tag").toString(),
            shown == QLatin1String("8") ? QStringLiteral("0") : QStringLiteral("1"));
    }
};

TEST_F(SerialSelectors, CodesFollowEveryChoiceInEitherOrder)
{
    int n = 0;
    for (int code = 0; code <= 5; ++code) {
        for (int word = 0; word < 3; ++word) {
            for (int stop = 0; stop < 2; ++stop) {
                for (bool stopFirst : { false, true }) {
                    SCOPED_TRACE(testing::Message()
                        << "code " << code << " word " << word << " stop " << stop << " stop first "
                        << stopFirst);
                    select(Record { .mac = "0-80-194-1-2-" + std::to_string(++n),
                        .parity = std::to_string(code) });
                    expectParityCodeMatchesShown();
                    EXPECT_EQ(parity().property("tag").toString(), QString::number(code));
                    if (stopFirst)
                        stopBits().setCurrentIndex(stop);
                    parity().setCurrentIndex(word);
                    expectParityCodeMatchesShown();
                    stopBits().setCurrentIndex(stop);
                    expectParityCodeMatchesShown();
                    stopBits().setCurrentIndex(1 - stop);
                    expectParityCodeMatchesShown();
                }
            }
        }
    }
}

TEST_F(SerialSelectors, DataBitsCodeFollowsDeviceAndChoice)
{
    int n = 0;
    for (int code = 0; code <= 1; ++code) {
        for (int choice = 0; choice < 2; ++choice) {
            select(Record {
                .mac = "0-80-194-1-2-" + std::to_string(++n), .databits = std::to_string(code) });
            expectDataBitsCodeMatchesShown();
            dataBits().setCurrentIndex(choice);
            expectDataBitsCodeMatchesShown();
        }
    }
}

} // namespace
