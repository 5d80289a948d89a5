#include "app/automation/control_actions.h"

#include "app/automation/controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace linknode {

namespace {
    QString named(const QObject& control, const char* what)
    {
        return QStringLiteral("%1 (%2) %3")
            .arg(control.objectName(), controlKind(control), QLatin1String(what));
    }

    // The widget that takes the keyboard for the control: an IP entry types into its boxes.
    QWidget* focusTarget(QObject& control)
    {
        auto* widget = qobject_cast<QWidget*>(&control);
        if (widget && controlKind(control) == u"ipentry") {
            if (auto* firstBox = widget->findChild<QWidget*>(QStringLiteral("INP_IPF(0)")))
                return firstBox;
        }
        return widget;
    }

    // The control focused by a step that could not hold the real focus.
    QPointer<QWidget> emulatedFocus;

    void sendFocusEvent(QWidget& widget, QEvent::Type type)
    {
        QFocusEvent event(type, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(&widget, &event);
    }

    // A key press and its release, as the keyboard gives them: shortcuts, key filters and
    // the widget's own handling see both.
    void sendKeyClick(QWidget& receiver, const TypedKey& key)
    {
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        QCoreApplication::sendEvent(&receiver, &press);
        QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, key.text);
        QCoreApplication::sendEvent(&receiver, &release);
    }

    // The platform activates a window asynchronously: events run until it is active, for at
    // most five seconds.
    bool waitUntilActive(const QWidget& window)
    {
        const QDeadlineTimer deadline(5000);
        while (!window.isActiveWindow() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(10);
        }
        return window.isActiveWindow();
    }

    bool writeTextProperty(QObject& control, const QString& text)
    {
        const QMetaObject* meta = control.metaObject();
        const int index = meta->indexOfProperty("text");
        return index >= 0 && meta->property(index).isWritable()
            && meta->property(index).write(&control, text);
    }
}

QString clickControl(QObject& control, bool twice)
{
    if (!QMetaObject::invokeMethod(&control, twice ? "doubleClick" : "click"))
        return named(control, twice ? "cannot be double-clicked" : "cannot be clicked");
    return {};
}

QString setControlText(QObject& control, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
            return {};
        }
        const int index = combo->findText(text);
        if (index < 0)
            return named(control, "has no item with that text");
        combo->setCurrentIndex(index);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        frame->setTitle(text);
    } else if (!writeTextProperty(control, text)) {
        return named(control, "has no text that can be set");
    }
    return {};
}

QString checkControl(QObject& control, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(&control);
    if (!button || !button->isCheckable())
        return named(control, "cannot be checked");
    button->setChecked(checked);
    return {};
}

QString selectItem(QObject& control, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        if (index >= combo->count())
            return named(control, "has no item with that index");
        combo->setCurrentIndex(index);
        // A user's choice is also an activation, even of the item already shown.
        emit combo->activated(index);
        return {};
    }
    auto* view = qobject_cast<QAbstractItemView*>(&control);
    if (!view)
        return named(control, "has no lines to select");
    if (!view->model() || index >= view->model()->rowCount())
        return named(control, "has no line with that index");
    if (!QMetaObject::invokeMethod(&control, "selectRow", Q_ARG(int, index)))
        return named(control, "has no selectRow slot");
    return {};
}

QString focusControl(QWidget& window, QObject& control)
{
    QWidget* target = focusTarget(control);
    if (!target)
        return named(control, "cannot take the focus");
    QWidget* previous = emulatedFocus ? emulatedFocus.data() : QApplication::focusWidget();
    emulatedFocus = nullptr;
    if (!target->isVisible() || !target->isEnabled() || target->focusPolicy() == Qt::NoFocus) {
        // Qt gives no real focus to a hidden, disabled or focusless control; its focus
        // handlers run all the same, as a handler call from code would.
        if (previous && previous != target)
            sendFocusEvent(*previous, QEvent::FocusOut);
        sendFocusEvent(*target, QEvent::FocusIn);
        emulatedFocus = target;
        return {};
    }
    if (previous && previous != target && previous != QApplication::focusWidget())
        sendFocusEvent(*previous, QEvent::FocusOut);
    if (!window.isActiveWindow()) {
        // A hidden window never becomes active.
        window.activateWindow();
        if (!waitUntilActive(window))
            return named(control, "cannot take the focus: the window is not active");
    }
    target->setFocus(Qt::OtherFocusReason);
    const QWidget* focused = QApplication::focusWidget();
    if (!focused || !(focused == target || target->isAncestorOf(focused)))
        return named(control, "did not take the focus");
    return {};
}

QString typeKeys(QWidget& window, QObject& control, const std::vector<TypedKey>& keys)
{
    if (QString problem = focusControl(window, control); !problem.isEmpty())
        return problem;
    for (const TypedKey& key : keys) {
        // Keys follow the focus (a "." moves on to the next box of an IP entry); a control
        // holding the emulated focus gets them directly (a disabled one ignores them).
        QWidget* receiver = emulatedFocus ? emulatedFocus.data() : QApplication::focusWidget();
        if (!receiver)
            return named(control, "lost the keyboard focus while typing");
        sendKeyClick(*receiver, key);
        QCoreApplication::processEvents();
    }
    return {};
}

QString pressKeys(QWidget& window, const std::vector<TypedKey>& keys)
{
    if (!window.isActiveWindow()) {
        window.activateWindow();
        if (!waitUntilActive(window))
            return QStringLiteral("the window is not active: keys cannot be pressed");
    }
    for (const TypedKey& key : keys) {
        QWidget* focused = emulatedFocus ? emulatedFocus.data() : QApplication::focusWidget();
        sendKeyClick(focused ? *focused : window, key);
        QCoreApplication::processEvents();
    }
    return {};
}

std::optional<bool> stateHolds(const QObject& control, WaitState state)
{
    if (const auto* widget = qobject_cast<const QWidget*>(&control)) {
        switch (state) {
        case WaitState::Visible:
            return !widget->isHidden();
        case WaitState::Hidden:
            return widget->isHidden();
        case WaitState::Enabled:
            return controlEnabled(*widget);
        case WaitState::Disabled:
            return !controlEnabled(*widget);
        }
    }
    if (const auto* timer = qobject_cast<const QTimer*>(&control)) {
        if (state == WaitState::Enabled)
            return timer->isActive();
        if (state == WaitState::Disabled)
            return !timer->isActive();
    }
    return std::nullopt;
}

} // namespace linknode
