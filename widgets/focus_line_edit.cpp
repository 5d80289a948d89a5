#include "widgets/focus_line_edit.h"

#include "widgets/click_watcher.h"

namespace linknode {

FocusLineEdit::FocusLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    auto* clicks = new ClickWatcher(this);
    connect(clicks, &ClickWatcher::clicked, this, &FocusLineEdit::clicked);
    connect(clicks, &ClickWatcher::doubleClicked, this, &FocusLineEdit::doubleClicked);
}

void FocusLineEdit::click()
{
    emit clicked();
}

void FocusLineEdit::doubleClick()
{
    emit doubleClicked();
}

void FocusLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit lostFocus();
}

} // namespace linknode
