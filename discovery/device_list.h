#pragma once

#include "discovery/reply_intake.h"

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace linknode {

class DeviceListModel;
class DeviceStore;

// The device list and the store kept in step: line i of the list shows slot i of the store,
// one line per device, taken in as ReplyIntake says: its line shows the latest reply of the
// device as written. The MAC column is measured on the MAC without its blanks, and the lines
// are re-padded at most once per run of replies, so a reply costs the same with 10 lines or
// 10000.
class DeviceList {
public:
    using Intake = linknode::Intake;

    DeviceList(DeviceStore& store, DeviceListModel& model);

    // One reply record (header removed); `cut` when the reply was longer than longestRecord.
    Intake take(std::string record, bool cut = false);
    void clear();
    int count() const { return static_cast<int>(intake_.count()); }
    const std::string& record(int line) const;
    // The line of the device with this MAC (six numbers joined by "-"), if listed.
    std::optional<int> lineOf(std::string_view mac) const;
    // The line as the list shows it (MAC column padded).
    const QString& shownLine(int line) const;

    // Puts the lines in a new order; the store then holds the list lines as shown.
    void reorder(const std::vector<int>& order);

    // Re-pads every line to the widest MAC column (ALIGN_LIST).
    void ALIGN_LIST();
    // After a run of replies: ALIGN_LIST once if the widest MAC column grew during it. A
    // column that narrows waits for alignIfWidthChanged at the end of the cycle: a host that
    // spells one listed MAC short and long by turns would re-pad the whole list every run.
    void alignIfWider();
    // At the end of a cycle and before a sort: ALIGN_LIST once if the column width changed.
    void alignIfWidthChanged();

private:
    int width() const { return commaPositions_.empty() ? 0 : commaPositions_.rbegin()->first; }
    void countComma(int position, int delta);
    void setLine(int line, const std::string& record);

    DeviceStore& store_;
    DeviceListModel& model_;
    int alignedWidth_ = 0; // the width every line was last padded to
    ReplyIntake intake_;
    std::map<int, int> commaPositions_; // aligned first-comma position -> lines having it
};

} // namespace linknode
