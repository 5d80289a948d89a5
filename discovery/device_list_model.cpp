#include "discovery/device_list_model.h"

#include "core/shown_text.h"
#include "link/envelope.h"

namespace linknode {

int DeviceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : committed_;
}

QVariant DeviceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= committed_)
        return {};
    if (role == Qt::DisplayRole)
        return line(index.row());
    // A screen reader reads control bytes of a record as their codes.
    if (role == Qt::AccessibleTextRole)
        return caretForm(line(index.row()));
    if (role == Qt::ToolTipRole && isCut(index.row()))
        return line(index.row()) + QStringLiteral(" (record cut at %1 bytes)").arg(longestRecord);
    return {};
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
    cutRows_.clear();
    endResetModel();
}

void DeviceListModel::clear()
{
    beginResetModel();
    lines_.clear();
    committed_ = 0;
    cutRows_.clear();
    endResetModel();
}

void DeviceListModel::setCut(int row, bool cut)
{
    if (isCut(row) == cut)
        return;
    if (cut)
        cutRows_.insert(row);
    else
        cutRows_.erase(row);
    if (row < committed_)
        emit dataChanged(index(row), index(row), { Qt::ToolTipRole });
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
