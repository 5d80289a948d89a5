#include "widgets/combo_popup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

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

    // A larger font (the window zoomed) makes every item wider; the list takes the box's
    // font after the box.
    class FontWatcher : public QObject {
    public:
        explicit FontWatcher(QComboBox& combo)
            : QObject(&combo)
            , combo_(combo)
        {
            combo.view()->installEventFilter(this);
        }

        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::FontChange)
                fitPopup(combo_);
            return false;
        }

    private:
        QComboBox& combo_;
    };
}

void widenPopupToItems(QComboBox& combo)
{
    const QAbstractItemModel* model = combo.model();
    const auto fit = [&combo] { fitPopup(combo); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &combo, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &combo, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, &combo, fit);
    QObject::connect(model, &QAbstractItemModel::modelReset, &combo, fit);
    new FontWatcher(combo);
    fitPopup(combo);
}

void tellCutTextInTip(QComboBox& combo)
{
    const QString designTip = combo.toolTip();
    const auto tell = [&combo, designTip] {
        // The edit field as the style lays it out, valid before the box is first shown.
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.editable = combo.isEditable();
        const int room = combo.style()
                             ->subControlRect(
                                 QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
                             .width();
        const QString text = combo.currentText();
        // The line edit keeps two pixels each side of its text.
        if (combo.fontMetrics().horizontalAdvance(text) <= room - 4)
            combo.setToolTip(designTip);
        else
            combo.setToolTip(designTip.isEmpty() ? text : designTip + u'\n' + text);
    };
    QObject::connect(&combo, &QComboBox::editTextChanged, &combo, tell);
    tell();
}

} // namespace linknode
