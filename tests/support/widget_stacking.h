#pragma once

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QList>
#include <QObject>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace linknode {

// The chain of containers from the window down to the control itself.
inline QList<const QWidget*> chain(const QWidget& control)
{
    QList<const QWidget*> widgets;
    for (const QWidget* w = &control; w; w = w->parentWidget())
        widgets.prepend(w);
    return widgets;
}

// Whether `other` is painted after `control`: the later sibling below their common container
// is drawn on top. False when one holds the other.
inline bool drawnAbove(const QWidget& other, const QWidget& control)
{
    const auto a = chain(other), b = chain(control);
    qsizetype level = 0;
    while (level < a.size() && level < b.size() && a[level] == b[level])
        ++level;
    if (level == a.size() || level == b.size())
        return false;
    const QObjectList& siblings = a[level - 1]->children();
    return siblings.indexOf(a[level]) > siblings.indexOf(b[level]);
}

// Whether nothing behind the control shows through it.
inline bool opaqueControl(const QWidget& control)
{
    return control.autoFillBackground() || qobject_cast<const QAbstractScrollArea*>(&control);
}

// The control's place in its window.
inline QRect inWindow(const QWidget& control)
{
    return { control.mapTo(control.window(), QPoint(0, 0)), control.size() };
}

// The controls of the layout table a user sees in `window`: shown with every container, and
// not wholly behind an opaque control drawn above them. Where the window ends is not asked.
inline QList<const QWidget*> controlsInSight(const QWidget& window)
{
    QList<const QWidget*> shown;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->property("kind").isValid() && control->isVisible())
            shown << control;
    }
    QList<const QWidget*> seen;
    for (const QWidget* control : shown) {
        bool covered = false;
        for (const QWidget* other : shown) {
            covered = covered
                || (opaqueControl(*other) && drawnAbove(*other, *control)
                    && inWindow(*other).contains(inWindow(*control)));
        }
        if (!covered)
            seen << control;
    }
    return seen;
}

// Where the style puts a part of a frame (its title, its contents below the title), in the
// frame's own coordinates.
inline QRect groupBoxPart(const QGroupBox& frame, QStyle::SubControl part)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame.style()->subControlRect(QStyle::CC_GroupBox, &option, part, &frame);
}

} // namespace linknode
