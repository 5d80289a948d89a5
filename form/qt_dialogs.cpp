#include "form/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

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

    // The window manager cuts a title wider than its box ("LINKN... TOOL"): the box takes
    // the room of the title in a title bar's larger font, and of the bar's buttons.
    void fitTitle(QDialog& box)
    {
        constexpr int titleBarButtons = 120;
        const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
        box.setMinimumWidth(
            std::max(box.minimumSizeHint().width(), title * 3 / 2 + titleBarButtons));
    }

    void belongTo(QDialog& box)
    {
        box.setWindowModality(Qt::WindowModal);
        box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }
}

QtDialogs::QtDialogs(QWidget* parent)
    : parent_(parent)
{
}

void QtDialogs::message(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent_);
    belongTo(box);
    box.exec();
}

std::optional<QString> QtDialogs::input(
    const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    QInputDialog box(parent_);
    belongTo(box);
    box.setWindowTitle(title);
    fitTitle(box);
    box.setLabelText(prompt);
    box.setTextValue(defaultAnswer);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void QtDialogs::beep()
{
    QApplication::beep();
}

} // namespace linknode
