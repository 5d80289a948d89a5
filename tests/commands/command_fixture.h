#pragma once

// A device shown in the window, and what the commands put on the wire, written as
// "destination hex" lines.
#include "tests/config/view_fixture.h"

#include <QComboBox>
#include <QStringList>

namespace linknode::test {

struct Commands : ConfigView {
    using ConfigView::ConfigView;
    void SetUp() override
    {
        ConfigView::SetUp();
        select(Record {});
        tool.sendSocket.sent.clear();
    }

    // Each datagram sent since the last call, as "10.0.0.1 fe ff 06 ...".
    QStringList sent()
    {
        QStringList lines;
        for (const auto& s : tool.sendSocket.sent)
            lines << s.host.toString() + u' ' + QString::fromLatin1(s.datagram.toHex(' '));
        tool.sendSocket.sent.clear();
        return lines;
    }

    // The send address field and the link agree, and show `address`.
    void expectSendAddress(const QString& address)
    {
        EXPECT_EQ(tool[INP_UDP_MASK].text(), address);
        EXPECT_EQ(tool.app.link.destinationText(), address);
    }

    // Types `value` into a line edit, an IP entry or an editable combo box.
    void type(Control<QWidget> control, const QString& value)
    {
        if (auto* combo = qobject_cast<QComboBox*>(&tool[control]))
            combo->setEditText(value);
        else
            tool[control].setProperty("text", value);
    }

    // The focus is on `control` or on a part of it.
    bool focusedOn(Control<QWidget> control)
    {
        const QWidget* focus = tool.app.form.focusWidget();
        return focus == &tool[control] || tool[control].isAncestorOf(focus);
    }

    QString lastMessage() const
    {
        return tool.dialogs.messages().empty() ? QString() : tool.dialogs.messages().back().text;
    }

    static QString line(const char* destination, const QByteArray& bytes)
    {
        return QString::fromLatin1(destination) + u' ' + QString::fromLatin1(bytes.toHex(' '));
    }

    const QString device = QStringLiteral("192.168.5.10"); // the shown record's address
};

// Long sequences (a save, a rename) on a clock fifty times faster than the wall.
struct LongCommands : Commands {
    LongCommands()
        : Commands(50.0)
    {
    }
};

} // namespace linknode::test
