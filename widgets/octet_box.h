#pragma once

#include <QLineEdit>

namespace linknode {

// One of the four boxes of an IP entry. Typing accepts digits (at most 3 in the box) and
// Backspace; "." and Enter ask to move on to the next box; other characters are dropped.
// Editing and navigation keys keep working. Getting the focus selects the first three
// characters, so the next digit replaces them. Text set from code is not limited.
class OctetBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void advanceRequested();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectFirstDigits();
    bool hasRoomForDigit() const;

    bool focusedByMouse_ = false;
};

} // namespace linknode
