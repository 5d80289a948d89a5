#include "widgets/reading_order.h"

#include <QWidget>
#include <algorithm>

namespace linknode {

QList<QWidget*> inReadingOrder(QList<QWidget*> controls)
{
    const auto byTopThenLeft = [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    };
    std::ranges::stable_sort(controls, byTopThenLeft);
    QList<QWidget*> ordered;
    for (auto row = controls.begin(); row != controls.end();) {
        const QWidget* first = *row;
        const auto sameRow = [first](const QWidget* control) {
            return control->y() - first->y() < std::min(first->height(), control->height()) / 2;
        };
        auto end = std::find_if_not(row, controls.end(), sameRow);
        QList<QWidget*> line(row, end);
        std::ranges::stable_sort(line, [](const QWidget* a, const QWidget* b) {
            return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
        });
        ordered << line;
        row = end;
    }
    return ordered;
}

} // namespace linknode
