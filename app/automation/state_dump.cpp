#include "app/automation/state_dump.h"

#include "app/automation/controls.h"
#include "form/main_form.h"
#include "form/scripted_dialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QJsonArray>
#include <QTimer>
#include <QWidget>

namespace linknode {

using namespace Qt::StringLiterals;

namespace {
    // In the design's twips, whatever the window's zoom.
    QJsonArray twips(const QWidget& widget)
    {
        const auto* form = qobject_cast<const MainForm*>(widget.window());
        const QRect rect = designTwips(widget.geometry(), form ? form->zoom() : kSmallestZoom);
        return { rect.x(), rect.y(), rect.width(), rect.height() };
    }

    void addItems(QJsonObject& state, const QWidget& widget)
    {
        QJsonArray items;
        int current = -1;
        if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
            for (int i = 0; i < combo->count(); ++i)
                items.append(combo->itemText(i));
            current = combo->currentIndex();
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget)) {
            const QAbstractItemModel* model = view->model();
            const int column = view->property("modelColumn").toInt();
            for (int row = 0; model && row < model->rowCount(); ++row)
                items.append(model->index(row, column).data().toString());
            current = view->currentIndex().row();
        }
        state[u"items"] = items;
        state[u"current"] = current;
    }

    QJsonObject widgetState(const QWidget& widget, const QString& kind)
    {
        QJsonObject state {
            { u"visible"_s, !widget.isHidden() },
            { u"shown"_s, widget.isVisible() },
            { u"enabled"_s, controlEnabled(widget) },
            { u"tag"_s, widget.property("tag").toString() },
            { u"tooltip"_s, widget.toolTip() },
            { u"geometry"_s, twips(widget) },
        };
        if (kind != u"picture")
            state[u"text"] = controlText(widget);
        // Which stored picture a picture box shows, where the window keeps track of it.
        if (const QVariant picture = widget.property("picture"); picture.isValid())
            state[u"picture"] = picture.toInt();
        if (kind == u"checkbox" || kind == u"option")
            state[u"checked"] = widget.property("checked").toBool();
        if (kind == u"list" || kind == u"combo")
            addItems(state, widget);
        return state;
    }

    QJsonObject controlState(const QObject& control)
    {
        const QString kind = controlKind(control);
        QJsonObject state;
        if (const auto* widget = qobject_cast<const QWidget*>(&control)) {
            state = widgetState(*widget, kind);
        } else if (const auto* timer = qobject_cast<const QTimer*>(&control)) {
            state[u"enabled"] = timer->isActive();
            state[u"interval"] = timer->interval();
        } else {
            state[u"text"] = control.property("text").toString();
            state[u"tag"] = control.property("tag").toString();
            if (const QVariant buffer = control.property("receiveBuffer"); buffer.isValid())
                state[u"receiveBuffer"] = buffer.toLongLong();
        }
        state[u"name"] = control.objectName();
        state[u"kind"] = kind;
        return state;
    }
}

QJsonObject stateDump(const Controls& controls, const ScriptedDialogs& dialogs)
{
    QJsonArray controlStates;
    for (const QObject* control : controls.all())
        controlStates.append(controlState(*control));

    QJsonArray messages;
    for (const ScriptedDialogs::Message& message : dialogs.messages()) {
        messages.append(QJsonObject {
            { u"title"_s, message.title },
            { u"text"_s, message.text },
            { u"icon"_s, iconName(message.icon) },
        });
    }

    QJsonArray inputs;
    for (const ScriptedDialogs::Input& input : dialogs.inputs()) {
        inputs.append(QJsonObject {
            { u"prompt"_s, input.prompt },
            { u"title"_s, input.title },
            { u"default"_s, input.defaultAnswer },
            { u"answer"_s, input.answer ? QJsonValue(*input.answer) : QJsonValue() },
        });
    }

    return { { u"controls"_s, controlStates }, { u"messages"_s, messages },
        { u"inputs"_s, inputs } };
}

} // namespace linknode
