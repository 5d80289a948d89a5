#include "widgets/click_watcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace linknode {

ClickWatcher::ClickWatcher(QWidget* control)
    : QObject(control)
    , control_(control)
{
    control->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != control_)
        return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QPoint pos = mouse->position().toPoint();
    switch (type) {
    case QEvent::MouseButtonPress:
        pressed_ = true;
        break;
    case QEvent::MouseButtonDblClick:
        pressed_ = true;
        inDoubleClick_ = true;
        emit doubleClicked(pos);
        break;
    default: {
        const bool click = pressed_ && !inDoubleClick_ && control_->rect().contains(pos);
        pressed_ = false;
        inDoubleClick_ = false;
        if (click)
            emit clicked(pos);
    }
    }
    return false;
}

} // namespace linknode
