#include "form/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace linknode {

namespace {
    QMessageBox::Icon boxIcon(MessageIcon icon)
    {
        switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
}

QtDialogs::QtDialogs(QWidget* parent)
    : parent_(parent)
{
}

void QtDialogs::message(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<QString> QtDialogs::input(
    const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    bool ok = false;
    const QString answer
        = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void QtDialogs::beep()
{
    QApplication::beep();
}

} // namespace linknode
