// Every fixed caption of the window fits its control, on every model's view, and so does the
// model caption under DEVICE VERSION at its longest. What a text needs is its extent in the
// control's font plus what the style puts around it: a button's frame and margin, a switch's
// indicator and spacing, a frame's title inset. Device data of any length (list lines, login
// strings, MAC values) is not a caption and is left out.
#include "form/layout_table.h"
#include "sim/presets.h"
#include "tests/config/view_fixture.h"
#include "tests/support/widget_stacking.h"
#include "widgets/window_font.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

using namespace linknode;
using namespace Qt::Literals::StringLiterals;
using namespace linknode::test;

namespace {

// The MAC values; AFF_VER is measured, with the longest caption of each model.
const QStringList deviceData { QStringLiteral("AFF_MAC"), QStringLiteral("AFF_MAC_HEX") };

QString misfit(QSize need, QSize room)
{
    if (need.width() <= room.width() && need.height() <= room.height())
        return {};
    return u"needs %1 x %2, has %3 x %4"_s.arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

// Across, the text and the style's margin must lie within the button's contents (the width a
// button's size hint adds, without the style's least button width); up and down, its line.
QString buttonMisfit(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle& style = *button.style();
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    const QSize need
        = text + QSize(style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button), 0);
    return misfit(
        need, style.subElementRect(QStyle::SE_PushButtonContents, &option, &button).size());
}

// A check box or option button: across, the indicator, its spacing, the text and its margins;
// up and down, the text's line within the contents beside the indicator.
QString switchMisfit(const QAbstractButton& control, bool option)
{
    QStyleOptionButton style;
    style.initFrom(&control);
    style.text = control.text();
    const QSize text = control.fontMetrics().size(Qt::TextShowMnemonic, control.text());
    const auto type = option ? QStyle::CT_RadioButton : QStyle::CT_CheckBox;
    const auto contents = option ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    const int across = control.style()->sizeFromContents(type, &style, text, &control).width();
    const int room = control.style()->subElementRect(contents, &style, &control).height();
    return misfit(QSize(across, text.height()), QSize(control.width(), room));
}

// A frame's title where the style draws it; the frame's height belongs to what it holds.
QString titleMisfit(const QGroupBox& frame)
{
    const QRect title = groupBoxPart(frame, QStyle::SC_GroupBoxLabel);
    return misfit(QSize(title.right() + 1, 0), QSize(frame.width(), 0));
}

// Every line of the label within its contents.
QString labelMisfit(const QLabel& label)
{
    const QSize need = label.fontMetrics().size(Qt::TextShowMnemonic, label.text());
    const int margin = label.margin();
    return misfit(
        need, label.contentsRect().marginsRemoved({ margin, margin, margin, margin }).size());
}

// Why the control's caption does not fit; empty when it fits or shows no caption.
QString captionMisfit(const QWidget& control, ControlKind kind)
{
    const QString caption
        = control.property(kind == ControlKind::Frame ? "title" : "text").toString();
    if (caption.isEmpty() || deviceData.contains(control.objectName()))
        return {};
    switch (kind) {
    case ControlKind::Button:
        return buttonMisfit(static_cast<const QPushButton&>(control));
    case ControlKind::CheckBox:
    case ControlKind::Option:
        return switchMisfit(
            static_cast<const QAbstractButton&>(control), kind == ControlKind::Option);
    case ControlKind::Frame:
        return titleMisfit(static_cast<const QGroupBox&>(control));
    case ControlKind::Label:
        return labelMisfit(static_cast<const QLabel&>(control));
    default:
        return {};
    }
}

// The same board with the longest caption its model can have: encrypted, and the Modbus
// gateway's suffix. Its own MAC, so it gets a line of its own.
sim::Device longestCaption(sim::Device device)
{
    const qsizetype tavren = device.version.indexOf("TAVREN");
    if (tavren >= 0 && !device.version.contains("TAVRENk"))
        device.version.insert(tavren + 6, 'k');
    if (device.options.size() >= 4)
        device.options[2] = 'M';
    device.mac.replace("-10-0-", "-10-1-");
    return device;
}

std::vector<std::string> records()
{
    std::vector<std::string> all = fleetRecords();
    for (const sim::Device& device : sim::allModelsFleet())
        all.push_back(sim::recordText(longestCaption(device)).toStdString());
    return all;
}

struct CaptionFit : ConfigView {
    void expectCaptionsFit(const std::string& view)
    {
        for (const ControlSpec& row : layoutTable) {
            const auto* control = tool.app.form.findChild<QWidget*>(QString::fromLatin1(row.name));
            if (!control)
                continue;
            const QString why = captionMisfit(*control, row.kind);
            EXPECT_TRUE(why.isEmpty()) << view << ": " << row.name << " \""
                                       << control->property("text").toString().toStdString()
                                       << control->property("title").toString().toStdString()
                                       << "\" " << why.toStdString();
        }
    }
};

TEST_F(CaptionFit, TheWindowUsesTheChosenFontsNotAStandIn)
{
    const QString window = QString::fromLatin1(kWindowFontFamilies.front());
    EXPECT_EQ(QFontInfo(tool.app.form.font()).family(), window);
    EXPECT_EQ(QFontInfo(tool[B_ASK_CFG].font()).pointSize(), kWindowFontPoints);
    const QFontInfo list(tool[LST_KRT].font());
    EXPECT_EQ(list.family(), QString::fromLatin1(kFixedFontFamilies.front()));
    EXPECT_TRUE(list.fixedPitch());
}

// Where Liberation is missing (Windows), the fonts of the same metrics it stands in for.
TEST(WindowFont, FallsBackToTheFontsOfTheSameMetrics)
{
    const QStringList windows { u"Arial"_s, u"Courier New"_s, u"Segoe UI"_s };
    const QStringList debian { u"Liberation Sans"_s, u"Liberation Mono"_s, u"DejaVu Sans"_s };
    const struct {
        FontFamilies wanted;
        QStringList installed;
        const char* chosen;
    } cases[] = {
        { kWindowFontFamilies, debian, "Liberation Sans" },
        { kWindowFontFamilies, windows, "Arial" },
        { kWindowFontFamilies, { u"arial"_s }, "Arial" },
        { kWindowFontFamilies, { u"DejaVu Sans"_s }, "Liberation Sans" },
        { kFixedFontFamilies, debian, "Liberation Mono" },
        { kFixedFontFamilies, windows, "Courier New" },
        { kFixedFontFamilies, debian + windows, "Liberation Mono" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseFamily(c.wanted, c.installed), QString::fromLatin1(c.chosen))
            << c.installed.join(u',').toStdString();
}

TEST_F(CaptionFit, EveryCaptionFitsItsControlOnEveryModelsView)
{
    expectCaptionsFit("after start-up");
    for (const std::string& record : records()) {
        select(record);
        expectCaptionsFit(
            record.substr(0, record.find(',')) + " " + tool[AFF_VER].text().toStdString());
    }
}

} // namespace
