// What a screen reader is offered, read through Qt's accessibility interfaces in every state
// the window takes: exactly the controls a user sees (nothing hidden, covered or below the
// window's edge), each with a name of its own that no other input in sight shares, boxes not
// named by their value, descriptions from the tool tips, the device count as one value and
// the list's lines without control bytes.
#include "tests/config/view_fixture.h"
#include "tests/support/widget_stacking.h"
#include "widgets/ip_entry.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <map>

using namespace linknode;
using namespace linknode::test;

namespace {

// A text a reader speaks: line breaks, but no other control character.
bool speakable(const QString& text)
{
    return std::ranges::none_of(text, [](QChar c) {
        return c != u'\r' && c != u'\n' && (c < u' ' || (c >= u'\x7f' && c <= u'\x9f'));
    });
}

// A control of the layout table, or a box of an IP entry, that the reader reaches.
struct Reached {
    QAccessibleInterface* node;
    const QWidget* control;
};

// Says nothing a reader could speak: a connector line, a label without text or picture.
bool saysNothing(const QWidget& control)
{
    const QString kind = control.property("kind").toString();
    const auto* label = qobject_cast<const QLabel*>(&control);
    return kind == u"line" || (label && label->text().isEmpty() && label->pixmap().isNull());
}

struct Accessibility : ConfigView {
    Accessibility()
        : ConfigView(50.0)
    {
    }

    QAccessibleInterface* window() { return QAccessible::queryAccessibleInterface(&tool.app.form); }

    // Every node below `node`; the window's containers hold each child where its parent says
    // it is.
    void walk(QAccessibleInterface* node, QList<Reached>& reached, const std::string& state)
    {
        const auto* widget = qobject_cast<const QWidget*>(node->object());
        const bool control = widget
            && (widget->property("kind").isValid()
                || qobject_cast<const IpEntry*>(widget->parentWidget()));
        if (control && node != window())
            reached.push_back({ node, widget });
        const bool container = widget
            && (widget->isWindow() || qobject_cast<const QGroupBox*>(widget)
                || qobject_cast<const IpEntry*>(widget));
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child)
                continue;
            if (container) {
                EXPECT_EQ(node->indexOfChild(child), i) << state;
                EXPECT_EQ(child->parent()->object(), node->object()) << state;
            }
            walk(child, reached, state);
        }
    }

    void expectReadable(const std::string& state)
    {
        QList<Reached> reached;
        walk(window(), reached, state);

        QList<const QWidget*> seen;
        const QRect area = tool.app.form.rect();
        for (const QWidget* control : controlsInSight(tool.app.form)) {
            if (!saysNothing(*control) && inWindow(*control).intersects(area))
                seen << control;
        }
        std::map<QString, const QWidget*> inputNames;
        QList<const QWidget*> reachedControls;
        for (const auto& [node, control] : reached) {
            const std::string name = control->objectName().toStdString();
            const QString spoken = node->text(QAccessible::Name);
            reachedControls << control;
            EXPECT_FALSE(spoken.trimmed().isEmpty()) << state << ": " << name << " has no name";
            EXPECT_TRUE(speakable(spoken)) << state << ": " << name;
            // A list describes its lines itself.
            if (!control->toolTip().isEmpty() && !qobject_cast<const QAbstractItemView*>(control)) {
                EXPECT_EQ(node->text(QAccessible::Description), control->toolTip())
                    << state << ": " << name;
            }
            if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
                EXPECT_NE(spoken, combo->currentText())
                    << state << ": " << name << " is named by its value";
            }
            if (isInput(*control) || qobject_cast<const QLineEdit*>(control)) {
                const auto [other, added] = inputNames.emplace(spoken, control);
                EXPECT_TRUE(added)
                    << state << ": " << name << " and " << other->second->objectName().toStdString()
                    << " are both " << spoken.toStdString();
            }
            if (control->objectName() == u"LST_KRT") {
                for (int line = 0; line < node->childCount(); ++line) {
                    EXPECT_TRUE(speakable(node->child(line)->text(QAccessible::Name)))
                        << state << ": a line of the list";
                }
            }
        }
        for (const QWidget* control : seen) {
            EXPECT_TRUE(reachedControls.contains(control))
                << state << ": " << control->objectName().toStdString() << " is not offered";
        }
        for (const QWidget* control : reachedControls) {
            const QWidget* shown = qobject_cast<const IpEntry*>(control->parentWidget())
                ? control->parentWidget()
                : control;
            EXPECT_TRUE(seen.contains(shown))
                << state << ": " << control->objectName().toStdString() << " is offered unseen";
        }
    }

    QAccessibleInterface* node(Control<QWidget> control)
    {
        return QAccessible::queryAccessibleInterface(&tool[control]);
    }
};

TEST_F(Accessibility, EveryControlInSightIsOfferedNamedAndNothingElseInEveryState)
{
    expectReadable("start");
    for (const std::string& record : fleetRecords()) {
        select(record);
        expectReadable(
            record.substr(0, record.find(',')) + " " + tool[AFF_VER].text().toStdString());
        if (tool[SW_MODE(0)].isVisible() && tool[SW_MODE(0)].isEnabled()) {
            tool[tool[SW_MODE(1)].isChecked() ? SW_MODE(0) : SW_MODE(1)].setChecked(true);
            expectReadable(tool[AFF_VER].text().toStdString() + ", other mode");
        }
    }
    tool[INP_PW].setText(QStringLiteral("MARBLE KEY"));
    expectReadable("service frame over the commands");
    tool.app.form.resize(tool.app.form.size() + QSize(0, 150));
    expectReadable("window enlarged: the controls below the edge in sight");

    bool looked = false;
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, &tool.app.form, [&] {
        if (!looked && !tool[FR_UPD_WAIT].isHidden()) {
            looked = true;
            expectReadable("during a save");
        }
    });
    during.start(1);
    tool.app.save.B_UPDATE_Click();
    EXPECT_TRUE(looked);
}

// The examples a reader hears: an octet of an address, a switch without caption, the count.
TEST_F(Accessibility, AnOctetASwitchWithoutCaptionAndTheDeviceCount)
{
    select(Record { .login = "TavAB\r" });
    auto& ip = tool[INP_IP];
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ip.box(1))->text(QAccessible::Name),
        QStringLiteral("IP address, octet 2"));
    EXPECT_EQ(node(SW_LED_FLASH)->text(QAccessible::Name), QStringLiteral("Automatic LED"));
    EXPECT_EQ(node(SW_LED_FLASH)->text(QAccessible::Description), QStringLiteral("Automatic mode"));

    QAccessibleInterface* count = node(AFF_TOT_TERMb);
    EXPECT_EQ(count->text(QAccessible::Name), QStringLiteral("Device count"));
    EXPECT_EQ(count->text(QAccessible::Value), QStringLiteral("1"));
    ASSERT_NE(count->valueInterface(), nullptr);
    EXPECT_EQ(count->valueInterface()->currentValue().toInt(), 1);
    EXPECT_EQ(count->childCount(), 0) << "four digit pictures are one value";

    QAccessibleInterface* list = node(LST_KRT);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("List of devices"));
    ASSERT_GE(list->childCount(), 1);
    EXPECT_TRUE(list->child(0)->text(QAccessible::Name).endsWith(u"TavAB^13^"))
        << list->child(0)->text(QAccessible::Name).toStdString();
}

} // namespace
