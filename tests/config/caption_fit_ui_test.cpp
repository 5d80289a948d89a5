// Every fixed caption of the window fits its control, on every model's view, and so does the
// model caption under DEVICE VERSION at its longest. What a text needs is its extent in the
// control's font plus what the style puts around it: a button's frame and margin, a switch's
// indicator and spacing, a frame's title inset. Device data of any length (list lines, login
// strings, MAC values) is not a caption and is left out. At each step of the zoom.
#include "form/layout_table.h"
#include "form/zoom.h"
#include "sim/presets.h"
#include "tests/config/view_fixture.h"
#include "tests/support/widget_stacking.h"
#include "widgets/window_font.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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
    return QString::asprintf(
        "needs %d x %d, has %d x %d", need.width(), need.height(), room.width(), room.height());
}

// Why the control's caption does not fit; empty when it fits or shows no caption. Up and down,
// the text's line must fit; across, what each kind of control puts around it.
QString captionMisfit(const QWidget& control, ControlKind kind)
{
    const QString caption
        = control.property(kind == ControlKind::Frame ? "title" : "text").toString();
    if (caption.isEmpty() || deviceData.contains(control.objectName()))
        return {};
    const QSize text = control.fontMetrics().size(Qt::TextShowMnemonic, caption);
    const QStyle& style = *control.style();
    QStyleOptionButton option;
    option.initFrom(&control);
    option.text = caption;
    const bool radio = kind == ControlKind::Option;
    switch (kind) {
    // The text and the style's margin within the button's contents (the width a button's size
    // hint adds, without the style's least button width).
    case ControlKind::Button:
        return misfit(
            text + QSize(style.pixelMetric(QStyle::PM_ButtonMargin, &option, &control), 0),
            style.subElementRect(QStyle::SE_PushButtonContents, &option, &control).size());
    // A check box or option button: the indicator, its spacing, the text and its margins; the
    // line within the contents beside the indicator.
    case ControlKind::CheckBox:
    case ControlKind::Option: {
        const auto type = radio ? QStyle::CT_RadioButton : QStyle::CT_CheckBox;
        const auto contents = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        const int across = style.sizeFromContents(type, &option, text, &control).width();
        const int room = style.subElementRect(contents, &option, &control).height();
        return misfit(QSize(across, text.height()), QSize(control.width(), room));
    }
    // A frame's title where the style draws it; the frame's height belongs to what it holds.
    case ControlKind::Frame: {
        const auto& frame = static_cast<const QGroupBox&>(control);
        const QRect title = groupBoxPart(frame, QStyle::SC_GroupBoxLabel);
        return misfit(QSize(title.right() + 1, 0), QSize(frame.width(), 0));
    }
    // Every line of the label within its contents.
    case ControlKind::Label: {
        const int margin = static_cast<const QLabel&>(control).margin();
        return misfit(
            text, control.contentsRect().marginsRemoved({ margin, margin, margin, margin }).size());
    }
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

struct CaptionFitZoomed : CaptionFit, testing::WithParamInterface<int> { };

TEST_P(CaptionFitZoomed, EveryCaptionFitsItsControlOnEveryModelsView)
{
    tool.app.form.setZoom(GetParam());
    expectCaptionsFit("after start-up");
    std::vector<std::string> records = fleetRecords();
    for (const sim::Device& device : sim::allModelsFleet())
        records.push_back(sim::recordText(longestCaption(device)).toStdString());
    for (const std::string& record : records) {
        select(record);
        expectCaptionsFit(
            record.substr(0, record.find(',')) + " " + tool[AFF_VER].text().toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryZoom, CaptionFitZoomed, testing::ValuesIn(kZoomSteps));

} // namespace
