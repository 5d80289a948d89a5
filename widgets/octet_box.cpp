#include "widgets/octet_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <utility>

namespace linknode {

namespace {

    constexpr int kTypedLimit = 3;

    enum class KeyRole { Advance, Digit, Editing, Dropped };

    KeyRole roleOf(const QKeyEvent& event)
    {
        const QString text = event.text();
        if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter
            || text == QLatin1String("."))
            return KeyRole::Advance;
        if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9')
            return KeyRole::Digit;
        // Shortcuts (copy, paste, select all) and keys without a printable character
        // (Backspace, Delete, arrows, Home, End, Tab) keep their usual meaning.
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return KeyRole::Editing;
        if (text.isEmpty() || !text[0].isPrint())
            return KeyRole::Editing;
        return KeyRole::Dropped;
    }

} // namespace

void OctetBox::selectFirstDigits()
{
    // Start 0, length 3: a box that code filled with more keeps what follows ("1234" and a
    // typed 9 give "94").
    setSelection(0, kTypedLimit);
}

bool OctetBox::hasRoomForDigit() const
{
    return text().size() - selectedText().size() < kTypedLimit;
}

void OctetBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested(QGuiApplication::clipboard()->text());
        return;
    }
    switch (roleOf(*event)) {
    case KeyRole::Advance:
        emit advanceRequested();
        return;
    case KeyRole::Digit:
        if (!hasRoomForDigit())
            return;
        break;
    case KeyRole::Dropped:
        return;
    case KeyRole::Editing:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void OctetBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectFirstDigits();
    // The click that brought the focus would otherwise put the cursor where it landed.
    focusedByMouse_ = event->reason() == Qt::MouseFocusReason;
}

void OctetBox::mousePressEvent(QMouseEvent* event)
{
    const bool keepSelection = std::exchange(focusedByMouse_, false);
    QLineEdit::mousePressEvent(event);
    if (keepSelection)
        selectFirstDigits();
}

void OctetBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click pastes the selection where the system has one.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        emit pasteRequested(clipboard->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void OctetBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QLatin1String("edit-paste"))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
            [this] { emit pasteRequested(QGuiApplication::clipboard()->text()); });
    }
    menu->exec(event->globalPos());
    delete menu;
}

void OctetBox::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText())
        return;
    emit pasteRequested(event->mimeData()->text());
    event->acceptProposedAction();
}

void OctetBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    focusedByMouse_ = false;
    emit focusLost();
}

} // namespace linknode
