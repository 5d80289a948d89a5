#include "widgets/list_box.h"

#include "core/latin1.h"
#include "core/text_fields.h"
#include "widgets/click_watcher.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
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

namespace {
    void copy(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
    }

    // Field `index` of a comma-separated line, blanks trimmed.
    QString field(const QString& line, int index)
    {
        return toText(GET_PAR(toBytes(line), index, ","));
    }
}

QMenu* ListBox::copyMenu()
{
    if (currentRow() < 0)
        return nullptr;
    const QString line = currentText();
    auto* menu = new QMenu(this);
    connect(menu->addAction(QStringLiteral("Copy line")), &QAction::triggered, menu,
        [line] { copy(line); });
    connect(menu->addAction(QStringLiteral("Copy MAC address")), &QAction::triggered, menu,
        [line] { copy(field(line, 0)); });
    connect(menu->addAction(QStringLiteral("Copy IP address")), &QAction::triggered, menu,
        [line] { copy(field(line, 1)); });
    return menu;
}

void ListBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (QMenu* menu = copyMenu()) {
        menu->exec(event->globalPos());
        delete menu;
    }
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (currentRow() >= 0)
            copy(currentText());
        return;
    }
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (const QModelIndex after = currentIndex(); after.isValid() && after != before)
        emit rowClicked(after.row());
}

} // namespace linknode
