#include "discovery/device_list.h"

#include "core/latin1.h"
#include "discovery/device_list_model.h"
#include "discovery/device_store.h"
#include "discovery/list_alignment.h"

namespace linknode {

DeviceList::DeviceList(DeviceStore& store, DeviceListModel& model)
    : store_(store)
    , model_(model)
    , intake_({ DeviceStore::capacity }, [this](size_t line) {
        return ReplyRecord { record(static_cast<int>(line)), model_.isCut(static_cast<int>(line)) };
    })
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
    const auto [intake, index] = intake_.take(record, cut);
    if (intake != Intake::Added && intake != Intake::Replaced)
        return intake;
    const int line = static_cast<int>(index);
    if (intake == Intake::Added)
        model_.append(QString());
    else
        countComma(alignedCommaPosition(store_.at(line)), -1);
    countComma(alignedCommaPosition(record), +1);
    store_.set(line, std::move(record));
    setLine(line, store_.at(line));
    model_.setCut(line, cut);
    return intake;
}

std::optional<int> DeviceList::lineOf(std::string_view mac) const
{
    const auto bytes = strictMac(mac);
    const auto line = bytes ? intake_.indexOf(*bytes) : std::nullopt;
    return line ? std::optional(static_cast<int>(*line)) : std::nullopt;
}

void DeviceList::clear()
{
    alignedWidth_ = 0;
    intake_.clear();
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
    // Each line is taken again as a new device, so its number is its new line.
    intake_.clear();
    commaPositions_.clear();
    for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
        std::string shown = toBytes(lines[static_cast<size_t>(line)]);
        intake_.take(shown);
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
    lines.reserve(intake_.count());
    bool changed = false;
    for (int line = 0; line < count(); ++line) {
        lines.push_back(toText(alignedLine(store_.at(line), alignedWidth_)));
        changed = changed || lines.back() != model_.line(line);
    }
    if (changed)
        model_.rewriteLines(std::move(lines));
}

void DeviceList::alignIfWider()
{
    if (width() > alignedWidth_)
        ALIGN_LIST();
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
