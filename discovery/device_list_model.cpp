#include "discovery/device_list_model.h"

namespace linknode {

int DeviceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : committed_;
}

QVariant DeviceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= committed_ || role != Qt::DisplayRole)
        return {};
    return line(index.row());
}

void DeviceListModel::setLine(int row, QString text)
{
    lines_[static_cast<size_t>(row)] = std::move(text);
    if (row < committed_)
        emit dataChanged(index(row), index(row), { Qt::DisplayRole });
}

void DeviceListModel::rewriteLines(std::vector<QString> lines)
{
    lines_ = std::move(lines);
    if (committed_ > 0)
        emit dataChanged(index(0), index(committed_ - 1), { Qt::DisplayRole });
}

void DeviceListModel::setLines(std::vector<QString> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    committed_ = lineCount();
    endResetModel();
}

void DeviceListModel::clear()
{
    beginResetModel();
    lines_.clear();
    committed_ = 0;
    endResetModel();
}

void DeviceListModel::commit()
{
    if (committed_ == lineCount())
        return;
    beginInsertRows({}, committed_, lineCount() - 1);
    committed_ = lineCount();
    endInsertRows();
}

} // namespace linknode
