#include "tests/config/view_fixture.h"

#include "core/latin1.h"
#include "form/layout_table.h"
#include "sim/presets.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QTest>

namespace linknode::test {

std::string Record::text() const
{
    const std::string* const all[] = { &mac, &ip, &mask, &gate, &bauds, &parity, &databits,
        &version, &mode, &hostIp, &hostPort, &options, &wiegand1, &wiegand2, &wiegand3, &login };
    std::string line;
    for (int i = 0; i < fields; ++i)
        line += (i ? "," : "") + *all[i];
    return line;
}

QString shownText(QWidget& control)
{
    if (auto* combo = qobject_cast<QComboBox*>(&control))
        return combo->currentText();
    return control.property("text").toString();
}

bool enabledForUser(const QWidget& control)
{
    const QVariant entryEnabled = control.property("entryEnabled");
    return entryEnabled.isValid() ? entryEnabled.toBool() : control.isEnabled();
}

bool isInput(const QWidget& control)
{
    static const QStringList inputs { QStringLiteral("button"), QStringLiteral("checkbox"),
        QStringLiteral("option"), QStringLiteral("textbox"), QStringLiteral("combo"),
        QStringLiteral("ipentry"), QStringLiteral("list") };
    return inputs.contains(control.property("kind").toString());
}

std::vector<std::string> fleetRecords()
{
    std::vector<std::string> all;
    for (const sim::Device& device : sim::allModelsFleet())
        all.push_back(sim::recordText(device).toStdString());
    return all;
}

namespace {
    void check(Tool& tool, const Expect& e)
    {
        SCOPED_TRACE(e.control.name());
        auto& control = tool[e.control];
        const QString value = QString::fromLatin1(e.value ? e.value : "");
        const bool enabled = enabledForUser(control);
        auto* button = qobject_cast<QAbstractButton*>(&control);
        switch (e.state) {
        case Is::Shown:
            EXPECT_FALSE(control.isHidden());
            break;
        case Is::Hidden:
            EXPECT_TRUE(control.isHidden());
            break;
        case Is::Enabled:
            EXPECT_TRUE(enabled);
            break;
        case Is::Disabled:
            EXPECT_FALSE(enabled);
            break;
        case Is::Checked:
        case Is::Unchecked:
            ASSERT_TRUE(button);
            EXPECT_EQ(button->isChecked(), e.state == Is::Checked);
            break;
        case Is::Text:
            EXPECT_EQ(shownText(control), value);
            break;
        case Is::Items: {
            auto* combo = qobject_cast<QComboBox*>(&control);
            ASSERT_TRUE(combo);
            QStringList items;
            for (int row = 0; row < combo->count(); ++row)
                items << combo->itemText(row);
            EXPECT_EQ(items.join(u'|'), value);
            break;
        }
        case Is::Tag:
            EXPECT_EQ(control.property("tag").toString(), value);
            break;
        case Is::Tip:
            EXPECT_EQ(control.toolTip(), value);
            break;
        case Is::At: {
            const QStringList twips = value.split(u',');
            EXPECT_EQ(control.pos(),
                QPoint(twips.value(0).toInt() / twipsPerPixel,
                    twips.value(1).toInt() / twipsPerPixel));
            break;
        }
        }
    }
}

void expectView(Tool& tool, const std::vector<Expect>& table)
{
    for (const Expect& e : table)
        check(tool, e);
}

void apply(Tool& tool, const Edit& edit)
{
    auto& control = tool[edit.control];
    switch (edit.action) {
    case Do::Check:
    case Do::Uncheck: {
        auto* button = qobject_cast<QAbstractButton*>(&control);
        ASSERT_NE(button, nullptr) << "not a switch";
        button->setChecked(edit.action == Do::Check);
        break;
    }
    case Do::Set:
        if (auto* combo = qobject_cast<QComboBox*>(&control))
            combo->setEditText(QString::fromLatin1(edit.text));
        else
            control.setProperty("text", QString::fromLatin1(edit.text));
        break;
    case Do::Click:
        QMetaObject::invokeMethod(&control, "click");
        break;
    case Do::FocusOut: {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&control, &focusOut);
        break;
    }
    case Do::MouseClick:
        QTest::mouseClick(&control, Qt::LeftButton);
        break;
    }
}

void ConfigView::SetUp()
{
    ASSERT_TRUE(tool.app.shell.Form_Load());
    tool.whenShown(B_ASK_CFG);
}

void ConfigView::select(const std::string& record)
{
    tool.receiveSocket.inject(Tool::reply(record));
    const QString mac = toText(record).section(u',', 0, 0).trimmed();
    auto& list = tool[LST_KRT];
    const QStringList lines = list.items();
    for (int row = 0; row < lines.size(); ++row) {
        if (lines[row].section(u',', 0, 0).trimmed() == mac) {
            list.selectRow(row);
            return;
        }
    }
    ADD_FAILURE() << "no list line for " << mac.toStdString();
}

} // namespace linknode::test
