#include "widgets/combo_popup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>

namespace linknode {

namespace {
    void fitPopup(QComboBox& combo)
    {
        QAbstractItemView& view = *combo.view();
        int width = qMax(0, view.sizeHintForColumn(0)) + 2 * view.frameWidth();
        // Beyond the visible lines a scroll bar takes its share of the width.
        if (combo.count() > combo.maxVisibleItems())
            width += view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
        view.setMinimumWidth(width);
    }
}

void widenPopupToItems(QComboBox& combo)
{
    const QAbstractItemModel* model = combo.model();
    const auto fit = [&combo] { fitPopup(combo); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &combo, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &combo, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, &combo, fit);
    QObject::connect(model, &QAbstractItemModel::modelReset, &combo, fit);
    fitPopup(combo);
}

} // namespace linknode
