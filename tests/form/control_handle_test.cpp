// Handles hand out the control their name stands for, arrays find their elements, and a
// handle of a subclass serves where its base is asked for.
#include "form/main_form.h"

#include <gmock/gmock.h>

using namespace linknode;

namespace {

const MainForm& form()
{
    static const MainForm window;
    return window;
}

TEST(ControlHandle, HandsOutTheControlOfItsNameOrArrayElement)
{
    const ControlList<QObject> handles = { B_ASK_CFG, SW_SWITCH, SW_MODE(1), INP_IP, INP_PW, Text1,
        AFF_VER, PIC_PROD(0), LST_KRT, LST_TMP, INP_WIEGAND_CFG, AFF_TOT_TERMb, TIM_TST, Line2(1),
        FR_CFG, LABEL_UDP_TX_MASK(10), TXT_MODE(6), Picture1(8) };
    for (const auto handle : handles)
        EXPECT_EQ(form()[handle].objectName(), QString::fromLatin1(handle.name()));
    // Arrays list their elements and find them at run time.
    QStringList names;
    for (const auto label : LABEL_UDP_TX_MASK)
        names << form()[label].objectName();
    EXPECT_EQ(names.join(u' '),
        QStringLiteral("LABEL_UDP_TX_MASK(0) LABEL_UDP_TX_MASK(1) LABEL_UDP_TX_MASK(10)"));
    for (int index = 0; index <= 15; ++index)
        EXPECT_EQ(
            form()[PIC_PROD.at(index)].objectName(), QStringLiteral("PIC_PROD(%1)").arg(index));
    EXPECT_EQ(TXT_MODE.at(5).row(), TXT_MODE(5).row());
}

TEST(ControlHandleDeathTest, AnElementTheArrayLacksStopsTheProgram)
{
    EXPECT_DEATH(PIC_PROD.at(16), "PIC_PROD\\(16\\)");
}

} // namespace
