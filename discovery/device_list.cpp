#include "discovery/device_list.h"

#include "core/latin1.h"
#include "discovery/device_list_model.h"
#include "discovery/device_store.h"
#include "discovery/list_alignment.h"

namespace linknode {

namespace {
    // Field 0 as written, blanks included: everything before the first comma.
    std::string_view macField(std::string_view record)
    {
        return record.substr(0, record.find(','));
    }
}

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

DeviceList::Intake DeviceList::take(std::string record, bool cut)
{
    // A stray datagram whose first field names no device is not listed.
    const auto mac = strictMac(macField(record));
    if (!mac)
        return Intake::NotAMac;
    const auto found = lineOfMac_.find(*mac);
    Intake result;
    int line;
    if (found != lineOfMac_.end()) {
        line = found->second;
        const std::string& listed = store_.at(line);
        // "000-080-194-..." and "0-80-194-..." are one device: its line keeps the first.
        record.replace(0, macField(record).size(), macField(listed));
        // A longer spelling must not take the record past what any reply may keep.
        if (record.size() > longestRecord) {
            record.resize(longestRecord);
            cut = true;
        }
        if (record == listed && cut == model_.isCut(line))
            return Intake::Unchanged;
        countComma(alignedCommaPosition(listed), -1);
        result = Intake::Replaced;
    } else {
        if (count_ == DeviceStore::capacity)
            return Intake::Full;
        line = count_++;
        lineOfMac_.emplace(*mac, line);
        model_.append(QString());
        result = Intake::Added;
    }
    countComma(alignedCommaPosition(record), +1);
    store_.set(line, std::move(record));
    setLine(line, store_.at(line));
    model_.setCut(line, cut);
    return result;
}

std::optional<int> DeviceList::lineOf(std::string_view mac) const
{
    const auto bytes = strictMac(mac);
    if (!bytes)
        return std::nullopt;
    const auto found = lineOfMac_.find(*bytes);
    if (found == lineOfMac_.end())
        return std::nullopt;
    return found->second;
}

void DeviceList::clear()
{
    count_ = 0;
    alignedWidth_ = 0;
    lineOfMac_.clear();
    commaPositions_.clear();
    model_.clear();
}

void DeviceList::reorder(const std::vector<int>& order)
{
    alignIfWidthChanged();
    model_.commit();
    std::vector<QString> lines;
    std::vector<int> cutLines;
    lines.reserve(order.size());
    for (int from : order) {
        if (model_.isCut(from))
            cutLines.push_back(static_cast<int>(lines.size()));
        lines.push_back(model_.line(from));
    }
    lineOfMac_.clear();
    commaPositions_.clear();
    for (int line = 0; line < count_; ++line) {
        std::string shown = toBytes(lines[static_cast<size_t>(line)]);
        if (const auto mac = strictMac(macField(shown)))
            lineOfMac_.emplace(*mac, line);
        countComma(alignedCommaPosition(shown), +1);
        store_.set(line, std::move(shown));
    }
    model_.setLines(std::move(lines));
    for (const int line : cutLines)
        model_.setCut(line, true);
}

void DeviceList::ALIGN_LIST()
{
    alignedWidth_ = width();
    std::vector<QString> lines;
    lines.reserve(static_cast<size_t>(count_));
    bool changed = false;
    for (int line = 0; line < count_; ++line) {
        lines.push_back(toText(alignedLine(store_.at(line), alignedWidth_)));
        changed = changed || lines.back() != model_.line(line);
    }
    if (changed)
        model_.rewriteLines(std::move(lines));
}

void DeviceList::alignIfWidthChanged()
{
    if (width() != alignedWidth_)
        ALIGN_LIST();
}

void DeviceList::countComma(int position, int delta)
{
    if ((commaPositions_[position] += delta) == 0)
        commaPositions_.erase(position);
}

void DeviceList::setLine(int line, const std::string& record)
{
    // Padded as the other lines are; a wider column waits for the end of the run.
    QString text = toText(alignedLine(record, alignedWidth_));
    if (text != model_.line(line))
        model_.setLine(line, std::move(text));
}

} // namespace linknode
