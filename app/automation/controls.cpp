#include "app/automation/controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QWidget>
#include <algorithm>

namespace linknode {

namespace {
    bool isControl(const QObject* object)
    {
        return object->property("kind").isValid();
    }
}

Controls::Controls(const QWidget& window, std::vector<QObject*> extras)
    : window_(window)
    , extras_(std::move(extras))
{
}

std::vector<QObject*> Controls::all() const
{
    std::vector<QObject*> controls;
    for (QObject* child : window_.findChildren<QObject*>()) {
        if (isControl(child))
            controls.push_back(child);
    }
    for (QObject* extra : extras_) {
        if (std::find(controls.begin(), controls.end(), extra) == controls.end())
            controls.push_back(extra);
    }
    return controls;
}

QObject* Controls::find(const QString& name) const
{
    for (QObject* child : window_.findChildren<QObject*>(name)) {
        if (isControl(child))
            return child;
    }
    for (QObject* extra : extras_) {
        if (extra->objectName() == name)
            return extra;
    }
    return nullptr;
}

QString controlKind(const QObject& control)
{
    return control.property("kind").toString();
}

QString controlText(const QObject& control)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentText();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    return control.property("text").toString();
}

bool controlEnabled(const QWidget& control)
{
    const QVariant boxes = control.property("entryEnabled");
    return control.isEnabled() && (!boxes.isValid() || boxes.toBool());
}

} // namespace linknode
