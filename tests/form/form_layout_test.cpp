// The window the form builds from its layout table: every row becomes a control of its kind, in
// its container and place, with its caption, tool tip and start state.
#include "form/main_form.h"
#include "form/zoom.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

QString latin1(const char* text)
{
    return QString::fromLatin1(text ? text : "");
}

// Lists, combo boxes, address entries, pictures and the like show data, not their row's caption.
bool showsCaption(ControlKind kind)
{
    using enum ControlKind;
    for (const ControlKind captioned :
        { Frame, Button, CheckBox, Option, TextBox, MultiLineText, Password, Label })
        if (kind == captioned)
            return true;
    return false;
}

TEST(FormWindow, EveryRowOfTheLayoutTableIsBuiltAsWritten)
{
    MainForm form;
    for (const ControlSpec& row : layoutTable) {
        SCOPED_TRACE(row.name);
        QObject* control = form.findChild<QObject*>(latin1(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->property("kind").toString(), latin1(kindName(row.kind)));
        EXPECT_EQ(control->parent() == &form ? QString() : control->parent()->objectName(),
            latin1(row.parent));
        auto* widget = qobject_cast<QWidget*>(control);
        ASSERT_EQ(widget == nullptr, row.kind == ControlKind::Timer);
        if (!widget)
            continue;
        if (showsCaption(row.kind)) {
            auto* frame = qobject_cast<QGroupBox*>(widget);
            EXPECT_EQ(
                frame ? frame->title() : widget->property("text").toString(), latin1(row.caption));
        }
        auto* edit = qobject_cast<QLineEdit*>(widget);
        EXPECT_EQ(
            edit && edit->echoMode() == QLineEdit::Password, row.kind == ControlKind::Password);
        EXPECT_EQ(widget->pos(), QPoint(row.left / twipsPerPixel, row.top / twipsPerPixel));
        // The keys that press a control follow its tip: "... (F5)".
        static const QRegularExpression keys(QStringLiteral(R"( ?\((F\d+|Ctrl\+[A-Z])\)$)"));
        EXPECT_EQ(widget->toolTip().remove(keys), latin1(row.toolTip));
        EXPECT_EQ(widget->isHidden(), (row.flags & Hidden) != 0);
        EXPECT_EQ(widget->isEnabled(), (row.flags & Disabled) == 0);
    }
}

TEST(FormWindow, TitleTemplatesAndControlsBelowTheDesignHeight)
{
    MainForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("LINKNODE TOOL VERSION: 1.3W"));
    auto& templates = form[SW_MQTT_CFG_TEMPLATE];
    ASSERT_EQ(templates.count(), 3);
    EXPECT_EQ(templates.itemText(0), QStringLiteral("Preconfigured devices ..."));
    EXPECT_EQ(templates.itemText(1), QStringLiteral("Domoticz Home Automation System"));
    EXPECT_EQ(templates.itemText(2), QStringLiteral("SOTI CONNECT IoT!"));
    // Seen only when the window is enlarged.
    for (const auto below :
        ControlList<QWidget> { Command1, Command2, INP_UNLOCK_255, SW_BYPASSAUTOBOOT })
        EXPECT_GT(form[below].geometry().bottom(), windowHeight / twipsPerPixel) << below.name();
}

TEST(FormZoom, StepsAndPercentages)
{
    const struct {
        int from, in, out;
    } steps[] = { { 100, 125, 100 }, { 125, 150, 100 }, { 130, 150, 125 }, { 175, 200, 150 },
        { 200, 200, 175 } };
    for (const auto& step : steps) {
        EXPECT_EQ(zoomedIn(step.from), step.in) << step.from;
        EXPECT_EQ(zoomedOut(step.from), step.out) << step.from;
    }
    const std::pair<const char*, std::optional<int>> texts[] = { { "100", 100 }, { " 150 ", 150 },
        { "200", 200 }, { "99", std::nullopt }, { "201", std::nullopt }, { "1.5", std::nullopt },
        { "150%", std::nullopt }, { "", std::nullopt } };
    for (const auto& [text, percent] : texts)
        EXPECT_EQ(zoomPercent(QString::fromLatin1(text)), percent) << text;
}

// Controls that meet (odd twips among them) never overlap at any step, one inside another
// stays inside, and the contract's twips come back exactly at the design size.
TEST(FormZoom, ControlsThatMeetNeverOverlapAndInsideStaysInside)
{
    const QRect pairs[][2] = { { { 105, 60, 2535, 390 }, { 2640, 60, 100, 390 } },
        { { 3060, 1090, 2500, 255 }, { 3060, 1345, 1305, 255 } },
        { { 4335, 540, 722, 255 }, { 5057, 540, 718, 255 } } };
    const QRect list(105, 270, 5325, 2190), help(105, 540, 5325, 1920);
    for (const int percent : kZoomSteps) {
        for (const auto& [first, second] : pairs) {
            EXPECT_FALSE(zoomedPixels(first, percent).intersects(zoomedPixels(second, percent)))
                << percent;
        }
        EXPECT_TRUE(zoomedPixels(list, percent).contains(zoomedPixels(help, percent))) << percent;
    }
    const QRect design(4335, 540, 720, 255);
    EXPECT_EQ(designTwips(zoomedPixels(design, 100), 100), design);
}

// Every control scales with the font and comes back; a control moved by a controller keeps
// its new place through the zoom.
TEST(FormZoom, EveryControlScalesWithTheFontAndComesBack)
{
    MainForm form;
    const QPoint moved(130, 1640);
    form.moveTo(form[FR_SERIAL_CFG], moved);
    form.setZoom(150);
    EXPECT_EQ(form.font().pointSizeF(), 12.0);
    EXPECT_EQ(form.minimumSize(), QSize(942, 823));
    EXPECT_EQ(form[FR_SERIAL_CFG].pos(), zoomedPixels(QRect(moved, QSize(1, 1)), 150).topLeft());
    for (const ControlSpec& row : layoutTable) {
        auto* widget = form.findChild<QWidget*>(latin1(row.name));
        if (!widget || widget == &form[FR_SERIAL_CFG])
            continue;
        EXPECT_EQ(
            widget->geometry(), zoomedPixels(QRect(row.left, row.top, row.width, row.height), 150))
            << row.name;
    }
    form.setZoom(100);
    EXPECT_EQ(form.font().pointSizeF(), 8.0);
    EXPECT_EQ(form[INP_IP].geometry(), QRect(56, 12, 129, 16));
    EXPECT_EQ(form[FR_SERIAL_CFG].pos(), QPoint(8, 109));
}

} // namespace
