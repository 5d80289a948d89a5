#include "widgets/in_sight.h"

#include <QAbstractScrollArea>
#include <QRect>
#include <QWidget>

namespace linknode {

namespace {
    QRect inWindow(const QWidget& control)
    {
        return QRect(control.mapTo(control.window(), QPoint(0, 0)), control.size());
    }

    // Some sibling of the control or of one of its containers, drawn after it (above it),
    // shown and opaque, holds the control's whole area.
    bool covered(const QWidget& control, const QRect& area)
    {
        for (const QWidget* level = &control; !level->isWindow(); level = level->parentWidget()) {
            const auto& siblings = level->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(level) + 1; i < siblings.size(); ++i) {
                const auto* above = qobject_cast<const QWidget*>(siblings[i]);
                if (above && !above->isHidden() && !above->isWindow() && opaque(*above)
                    && inWindow(*above).contains(area))
                    return true;
            }
        }
        return false;
    }
}

bool opaque(const QWidget& control)
{
    return control.autoFillBackground() || qobject_cast<const QAbstractScrollArea*>(&control);
}

bool inSight(const QWidget& control)
{
    if (!control.isVisibleTo(control.window()))
        return false;
    const QRect area = inWindow(control);
    return area.intersects(control.window()->rect()) && !covered(control, area);
}

} // namespace linknode
