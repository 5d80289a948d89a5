// The window the form builds from its layout table: every row becomes a control of its kind, in
// its container and place, with its caption, tool tip and start state.
#include "form/main_form.h"

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

} // namespace
