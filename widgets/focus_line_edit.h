#pragma once

#include <QLineEdit>

namespace linknode {

// A line edit that raises `lostFocus()` when the focus leaves it, and `clicked()` /
// `doubleClicked()` on mouse clicks.
class FocusLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FocusLineEdit(QWidget* parent = nullptr);

public slots:
    void click();
    void doubleClick();

signals:
    void lostFocus();
    void clicked();
    void doubleClicked();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace linknode
