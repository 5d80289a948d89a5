#pragma once

#include "app/automation/script.h"

#include <QString>
#include <optional>
#include <vector>

class QObject;
class QWidget;

namespace linknode {

// What the steps do to one control, through Qt base classes, the `kind` property, the `text`
// property and invokable slots only. Each returns an empty string when done, otherwise why
// the control does not take the step.

// Runs the control's click() or doubleClick() slot, as a handler call from code would; works
// on hidden controls too.
QString clickControl(QObject& control, bool twice);

QString setControlText(QObject& control, const QString& text);
QString checkControl(QObject& control, bool checked);
// Line INDEX of a list (its selectRow slot, as a user's click) or item INDEX of a combo box.
QString selectItem(QObject& control, int index);

// Activates the window and gives the control the keyboard focus (an IP entry: its first box).
QString focusControl(QWidget& window, QObject& control);
// Focuses the control, then sends each key to whichever widget holds the focus, so key
// filters apply and keys that move the focus (".", Tab) carry the rest along.
QString typeKeys(QWidget& window, QObject& control, const std::vector<TypedKey>& keys);
// Sends each key where the keyboard focus is, as a user at the keyboard does: to the focused
// control, or to the window when none has the focus. The window is activated first.
QString pressKeys(QWidget& window, const std::vector<TypedKey>& keys);

// Whether the state holds now; nullopt when it does not apply to the control.
std::optional<bool> stateHolds(const QObject& control, WaitState state);

} // namespace linknode
