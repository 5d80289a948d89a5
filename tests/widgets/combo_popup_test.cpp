// A narrow editable box tells the whole of a text it cuts in its tool tip, after its own tip.
#include "widgets/combo_popup.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    using namespace Qt::StringLiterals;

    TEST(ComboPopup, ACutTextIsToldInTheToolTip)
    {
        const QString wiegand = u"^6^^98^^24^^8^ Standard 26 Bits DEC:DEC"_s;
        const struct {
            QString tip, text, told;
        } cases[] = {
            { {}, u"7"_s, {} },
            { {}, wiegand, wiegand },
            { u"Bauds"_s, u"9600"_s, u"Bauds"_s },
            { u"Bauds"_s, wiegand, u"Bauds\n"_s + wiegand },
        };
        for (const auto& c : cases) {
            QComboBox combo;
            combo.setEditable(true);
            combo.resize(82, 19);
            combo.setToolTip(c.tip);
            tellCutTextInTip(combo);
            combo.setEditText(c.text);
            EXPECT_EQ(combo.toolTip(), c.told) << c.text.toStdString();
            combo.setEditText(u"1"_s);
            EXPECT_EQ(combo.toolTip(), c.tip) << "after " << c.text.toStdString();
        }
    }

} // namespace
} // namespace linknode
