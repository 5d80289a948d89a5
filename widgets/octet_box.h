#pragma once

#include <QLineEdit>

namespace linknode {

// One of the four boxes of an IP entry. Typing accepts digits (at most 3 in the box) and
// Backspace; "." and Enter ask to move on to the next box; other characters are dropped.
// Editing and navigation keys keep working. Getting the focus selects the first three
// characters, so the next digit replaces them. Text set from code is not limited. What is
// pasted (Ctrl+V, the context menu, a middle click, a drop) is handed to the whole entry.
class OctetBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void advanceRequested();
    void focusLost();
    void pasteRequested(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void selectFirstDigits();
    bool hasRoomForDigit() const;

    bool focusedByMouse_ = false;
};

} // namespace linknode
