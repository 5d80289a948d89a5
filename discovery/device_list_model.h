#pragma once

#include <QAbstractListModel>
#include <set>
#include <vector>

namespace linknode {

// The lines of the device list. Appended lines wait until `commit()`, so a burst of replies
// drained from the socket reaches the view as one insertion instead of thousands. A line whose
// record was cut short has a tool tip that says so.
class DeviceListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Lines held, committed or not.
    int lineCount() const { return static_cast<int>(lines_.size()); }
    const QString& line(int row) const { return lines_[static_cast<size_t>(row)]; }

    void append(QString line) { lines_.push_back(std::move(line)); }
    void setLine(int row, QString line);
    // The same lines with new texts (re-padded): the view is told once, the selection kept.
    void rewriteLines(std::vector<QString> lines);
    // A new set of lines, all committed, none cut.
    void setLines(std::vector<QString> lines);
    void clear();
    void commit();

    void setCut(int row, bool cut);
    bool isCut(int row) const { return cutRows_.contains(row); }

private:
    std::vector<QString> lines_;
    int committed_ = 0;
    std::set<int> cutRows_;
};

} // namespace linknode
