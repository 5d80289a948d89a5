#include "widgets/change_label.h"

#include "widgets/click_watcher.h"

#include <QMouseEvent>

namespace linknode {

ChangeLabel::ChangeLabel(QWidget* parent)
    : ChangeLabel(QString(), parent)
{
}

ChangeLabel::ChangeLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    auto* clicks = new ClickWatcher(this);
    connect(clicks, &ClickWatcher::clicked, this, &ChangeLabel::clicked);
    connect(clicks, &ClickWatcher::doubleClicked, this, &ChangeLabel::doubleClicked);
}

void ChangeLabel::setText(const QString& text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    emit captionChanged();
}

void ChangeLabel::click()
{
    emit clicked();
}

void ChangeLabel::doubleClick()
{
    emit doubleClicked();
}

void ChangeLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    event->accept();
}

void ChangeLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    event->accept();
}

void ChangeLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    event->accept();
}

} // namespace linknode
