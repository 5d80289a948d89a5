#include "widgets/list_box.h"

#include "widgets/click_watcher.h"

#include <QStringListModel>

namespace linknode {

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
    , stringModel_(new QStringListModel(this))
{
    setModel(stringModel_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    // Clicks land on the viewport; a click below the last row is no row's click.
    auto* clicks = new ClickWatcher(viewport());
    connect(clicks, &ClickWatcher::clicked, this, [this](QPoint pos) {
        if (const QModelIndex index = indexAt(pos); index.isValid())
            emit rowClicked(index.row());
    });
    connect(clicks, &ClickWatcher::doubleClicked, this, [this](QPoint pos) {
        if (const QModelIndex index = indexAt(pos); index.isValid())
            emit rowDoubleClicked(index.row());
    });
}

void ListBox::setItems(const QStringList& items)
{
    stringModel_->setStringList(items);
}

void ListBox::addItem(const QString& item)
{
    const int row = stringModel_->rowCount();
    stringModel_->insertRows(row, 1);
    stringModel_->setData(stringModel_->index(row), item);
}

QStringList ListBox::items() const
{
    QStringList result;
    const int rows = count();
    result.reserve(rows);
    for (int row = 0; row < rows; ++row)
        result << model()->index(row, 0).data().toString();
    return result;
}

int ListBox::count() const
{
    return model() ? model()->rowCount() : 0;
}

int ListBox::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

QString ListBox::currentText() const
{
    return currentIndex().data().toString();
}

bool ListBox::selectRow(int row)
{
    if (row < 0 || row >= count())
        return false;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    emit rowClicked(row);
    return true;
}

void ListBox::click()
{
    if (const int row = currentRow(); row >= 0)
        emit rowClicked(row);
}

void ListBox::doubleClick()
{
    if (const int row = currentRow(); row >= 0)
        emit rowDoubleClicked(row);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (const QModelIndex after = currentIndex(); after.isValid() && after != before)
        emit rowClicked(after.row());
}

} // namespace linknode
