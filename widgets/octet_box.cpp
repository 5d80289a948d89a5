#include "widgets/octet_box.h"

#include <QKeyEvent>
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

void OctetBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    focusedByMouse_ = false;
    emit focusLost();
}

} // namespace linknode
