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

    // The parity code: None 0, Even 1, Odd 2, plus 3 with two stop bits; data bits 8 are 0, 7 1.
    void expectCodesMatchShown()
    {
        const int base
            = QStringList({ QStringLiteral("None"), QStringLiteral("Even"), QStringLiteral("Odd") })
                  .indexOf(parity().currentText());
        ASSERT_GE(base, 0) << parity().currentText().toStdString();
        const int twoStopBits = stopBits().currentText() == QLatin1String("2") ? 3 : 0;
        EXPECT_EQ(parity().property("tag").toString(), QString::number(base + twoStopBits));
        const QString bits = dataBits().currentText();
        ASSERT_TRUE(bits == QLatin1String("8") || bits == QLatin1String("7"));
        EXPECT_EQ(dataBits().property("tag").toString(),
            bits == QLatin1String("8") ? QStringLiteral("0") : QStringLiteral("1"));
    }
};

TEST_F(SerialSelectors, CodesFollowTheDeviceAndEveryChoiceInEitherOrder)
{
    int n = 0;
    for (int code = 0; code <= 5; ++code) {
        for (int word = 0; word < 3; ++word) {
            for (int stop = 0; stop < 2; ++stop) {
                for (bool stopFirst : { false, true }) {
                    SCOPED_TRACE(testing::Message()
                        << "code " << code << " word " << word << " stop " << stop << " stop first "
                        << stopFirst);
                    // Data bits code and choice take turns with the parity's.
                    select(Record { .mac = "0-80-194-1-2-" + std::to_string(++n),
                        .parity = std::to_string(code),
                        .databits = std::to_string(code % 2) });
                    expectCodesMatchShown();
                    EXPECT_EQ(parity().property("tag").toString(), QString::number(code));
                    EXPECT_EQ(dataBits().property("tag").toString(), QString::number(code % 2));
                    if (stopFirst)
                        stopBits().setCurrentIndex(stop);
                    parity().setCurrentIndex(word);
                    dataBits().setCurrentIndex(stop);
                    expectCodesMatchShown();
                    stopBits().setCurrentIndex(stop);
                    expectCodesMatchShown();
                    stopBits().setCurrentIndex(1 - stop);
                    expectCodesMatchShown();
                }
            }
        }
    }
}

} // namespace
