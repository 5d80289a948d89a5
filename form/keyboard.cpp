#include "form/keyboard.h"

#include "form/main_form.h"
#include "widgets/in_sight.h"
#include "widgets/reading_order.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <algorithm>

namespace linknode {

namespace {
    // The controls inside `container` that Tab can reach, in reading order; frames and IP
    // entries are opened where they stand. A frame's save button comes after the fields it
    // saves, wherever it stands.
    void collectTabStops(
        QWidget& container, const QList<const QWidget*>& savesItsFrame, QList<QWidget*>& stops)
    {
        QList<QWidget*> children;
        for (QObject* object : container.children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow())
                children << child;
        }
        children = inReadingOrder(children);
        std::stable_partition(children.begin(), children.end(),
            [&](const QWidget* child) { return !savesItsFrame.contains(child); });
        for (QWidget* child : children) {
            if (child->focusPolicy() & Qt::TabFocus)
                stops << child;
            else
                collectTabStops(*child, savesItsFrame, stops);
        }
    }

    bool isEnter(const QKeyEvent& key)
    {
        const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
        return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
            && modifiers == Qt::NoModifier;
    }

    struct Shortcut {
        QKeyCombination keys;
        const char* named; // as the tool tips and the README write it
    };
    const Shortcut findDevices { Qt::Key_F5, "F5" };
    const Shortcut saveConfiguration { Qt::CTRL | Qt::Key_S, "Ctrl+S" };
    const Shortcut exportList { Qt::CTRL | Qt::Key_E, "Ctrl+E" };
    const Shortcut toTheList { Qt::CTRL | Qt::Key_F, "Ctrl+F" };
    const Shortcut all[] = { findDevices, saveConfiguration, exportList, toTheList };

    // The first button of `buttons` a user could click: in sight and enabled.
    void pressFirstUsable(MainForm& form, ControlList<QPushButton> buttons)
    {
        for (const auto candidate : buttons) {
            auto& button = form[candidate];
            if (inSight(button) && button.isEnabled()) {
                button.click();
                return;
            }
        }
    }

    // "Discover ... (F5)"; a control without a tip of its own: "(Ctrl+F)".
    void nameKeysInTip(QWidget& control, const Shortcut& shortcut)
    {
        const QString keys = QStringLiteral("(%1)").arg(QLatin1String(shortcut.named));
        const QString tip = control.toolTip();
        control.setToolTip(tip.isEmpty() ? keys : tip + u' ' + keys);
    }
}

Keyboard::Keyboard(MainForm& form)
    : QObject(&form)
    , form_(form)
{
    QList<QWidget*> stops;
    collectTabStops(form, { &form[B_UPDATE], &form[B_SAVE_CFG_MQTT] }, stops);
    for (QWidget* stop : stops)
        tabStops_ << stop;
    addShortcuts();
    // A read-only help text takes no Tab characters.
    form[Text1].setTabChangesFocus(true);
    for (QWidget* control : form.findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool Keyboard::moveFocus(bool next)
{
    const QWidget* focused = QApplication::focusWidget();
    const auto holdsFocus = [focused](const QPointer<QWidget>& stop) {
        return stop && focused && (stop == focused || stop->isAncestorOf(focused));
    };
    const qsizetype count = tabStops_.size();
    const auto found = std::ranges::find_if(tabStops_, holdsFocus);
    qsizetype at = found == tabStops_.end() ? (next ? -1 : count) : found - tabStops_.begin();
    for (qsizetype step = 0; step < count; ++step) {
        at = (at + (next ? 1 : count - 1)) % count;
        QWidget* stop = tabStops_[at];
        if (stop && (stop->focusPolicy() & Qt::TabFocus) && stop->isEnabled() && inSight(*stop)) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Keyboard::addShortcuts()
{
    const auto add = [this](const Shortcut& shortcut, auto action) {
        auto* key = new QShortcut(QKeySequence(shortcut.keys), &form_);
        connect(key, &QShortcut::activated, this, action);
    };
    add(findDevices, [this] { pressFirstUsable(form_, { B_ASK_CFG }); });
    // On the sensor gateway the MQTT frame, with its own button, lies over the view.
    add(saveConfiguration, [this] { pressFirstUsable(form_, { B_SAVE_CFG_MQTT, B_UPDATE }); });
    add(exportList, [this] { pressFirstUsable(form_, { B_SAVE }); });
    add(toTheList, [this] {
        auto& list = form_[LST_KRT];
        if (inSight(list))
            list.setFocus(Qt::ShortcutFocusReason);
    });
    // Ctrl+plus is Ctrl+= on many keyboards; Ctrl+0 goes back to the design size.
    const auto zoom = [this](std::initializer_list<QKeySequence> keys, int (*step)(int)) {
        for (const QKeySequence& sequence : keys) {
            auto* key = new QShortcut(sequence, &form_);
            connect(key, &QShortcut::activated, this,
                [this, step] { form_.setZoom(step(form_.zoom())); });
        }
    };
    zoom({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) }, zoomedIn);
    zoom({ QKeySequence::ZoomOut }, zoomedOut);
    zoom({ QKeySequence(Qt::CTRL | Qt::Key_0) }, [](int) { return kSmallestZoom; });
    nameKeysInTip(form_[B_ASK_CFG], findDevices);
    nameKeysInTip(form_[B_UPDATE], saveConfiguration);
    nameKeysInTip(form_[B_SAVE_CFG_MQTT], saveConfiguration);
    nameKeysInTip(form_[B_SAVE], exportList);
    nameKeysInTip(form_[FR_LST_KRT], toTheList);
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && isEnter(*static_cast<QKeyEvent*>(event))) {
            button->click();
            return true;
        }
    }
    // A text box would take Ctrl+E as the end of its line: the window's keys come first.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination keys = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const Shortcut& shortcut : all) {
            if (keys == shortcut.keys)
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace linknode
