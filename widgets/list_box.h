#pragma once

#include <QListView>

class QMenu;
class QStringListModel;

namespace linknode {

// A single-selection, read-only list with uniform rows (fast with ten thousand lines). It
// starts with its own string model; any other model can be set instead.
//
// `rowClicked(row)` is the list's Click: the user clicked a row or moved the current row with
// the keyboard, or code called `selectRow`. Ctrl+C copies the current line; the context menu
// copies the line, its first field (a device's MAC) or its second (its IP address).
class ListBox : public QListView {
    Q_OBJECT
    Q_PROPERTY(QString text READ currentText)
public:
    explicit ListBox(QWidget* parent = nullptr);

    // The model the list starts with; setItems and addItem edit it.
    void setItems(const QStringList& items);
    void addItem(const QString& item);

    QStringList items() const;
    int count() const;
    int currentRow() const;
    QString currentText() const;
    // The context menu of the current line (none without one); the caller owns it.
    QMenu* copyMenu();

public slots:
    // Makes `row` current and selected, as a user's click does, and raises rowClicked.
    // Returns false, changing nothing, when there is no such row.
    bool selectRow(int row);
    // A click / double click on the current row; nothing when no row is current.
    void click();
    void doubleClick();

signals:
    void rowClicked(int row);
    void rowDoubleClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QStringListModel* stringModel_;
};

} // namespace linknode
