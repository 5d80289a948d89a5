#include "discovery/device_list.h"

#include "core/latin1.h"
#include "core/text_fields.h"
#include "discovery/device_list_model.h"
#include "discovery/device_store.h"
#include "discovery/list_alignment.h"
#include "link/envelope.h"

namespace linknode {

DeviceList::DeviceList(DeviceStore& store, DeviceListModel& model)
    : store_(store)
    , model_(model)
{
}

const std::string& DeviceList::record(int line) const
{
    return store_.at(line);
}

const QString& DeviceList::shownLine(int line) const
{
    return model_.line(line);
}

DeviceList::Intake DeviceList::take(std::string record)
{
    const std::string mac = GET_PAR(record, 0, ",");
    // A stray datagram whose first field names no device is not listed: its long first field
    // would widen the MAC column of every line.
    if (!strictMac(mac))
        return Intake::NotAMac;
    const int widthBefore = width();
    const auto found = lineOfMac_.find(mac);
    Intake result;
    int line;
    if (found != lineOfMac_.end()) {
        line = found->second;
        if (record == store_.at(line))
            return Intake::Unchanged;
        countComma(firstCommaPosition(store_.at(line)), -1);
        result = Intake::Replaced;
    } else {
        if (count_ == DeviceStore::capacity)
            return Intake::Full;
        line = count_++;
        lineOfMac_.emplace(mac, line);
        model_.append(QString());
        result = Intake::Added;
    }
    countComma(firstCommaPosition(record), +1);
    store_.set(line, std::move(record));
    if (width() != widthBefore)
        ALIGN_LIST();
    else
        setLine(line, store_.at(line));
    return result;
}

std::optional<int> DeviceList::lineOf(const std::string& mac) const
{
    const auto found = lineOfMac_.find(mac);
    if (found == lineOfMac_.end())
        return std::nullopt;
    return found->second;
}

void DeviceList::clear()
{
    count_ = 0;
    lineOfMac_.clear();
    commaPositions_.clear();
    model_.clear();
}

void DeviceList::reorder(const std::vector<int>& order)
{
    model_.commit();
    std::vector<QString> lines;
    lines.reserve(order.size());
    for (int from : order)
        lines.push_back(model_.line(from));
    lineOfMac_.clear();
    commaPositions_.clear();
    for (int line = 0; line < count_; ++line) {
        const std::string shown = toBytes(lines[static_cast<size_t>(line)]);
        lineOfMac_[GET_PAR(shown, 0, ",")] = line;
        countComma(firstCommaPosition(shown), +1);
        store_.set(line, shown);
    }
    model_.setLines(std::move(lines));
}

void DeviceList::ALIGN_LIST()
{
    std::vector<QString> lines;
    lines.reserve(static_cast<size_t>(count_));
    bool changed = false;
    for (int line = 0; line < count_; ++line) {
        lines.push_back(toText(alignedLine(store_.at(line), width())));
        changed = changed || lines.back() != model_.line(line);
    }
    if (changed)
        model_.rewriteLines(std::move(lines));
}

void DeviceList::countComma(int position, int delta)
{
    if ((commaPositions_[position] += delta) == 0)
        commaPositions_.erase(position);
}

void DeviceList::setLine(int line, const std::string& record)
{
    QString text = toText(alignedLine(record, width()));
    if (text != model_.line(line))
        model_.setLine(line, std::move(text));
}

} // namespace linknode
