#pragma once

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace linknode {

class DeviceListModel;
class DeviceStore;

// The device list and the store kept in step: line i of the list shows slot i of the store,
// one line per MAC. Lookups go through a MAC index and the list is re-padded only when the
// widest MAC column changes, so a reply costs the same with 10 lines or 10000.
class DeviceList {
public:
    enum class Intake { Unchanged, Replaced, Added, Full, NotAMac };

    DeviceList(DeviceStore& store, DeviceListModel& model);

    // One reply record (header removed).
    Intake take(std::string record);
    void clear();
    int count() const { return count_; }
    const std::string& record(int line) const;
    // The line of the device with this MAC (as field 0 writes it), if listed.
    std::optional<int> lineOf(const std::string& mac) const;
    // The line as the list shows it (MAC column padded).
    const QString& shownLine(int line) const;

    // Puts the lines in a new order; the store then holds the list lines as shown.
    void reorder(const std::vector<int>& order);

    // Re-pads every line to the widest MAC column (ALIGN_LIST).
    void ALIGN_LIST();

private:
    int width() const { return commaPositions_.empty() ? 0 : commaPositions_.rbegin()->first; }
    void countComma(int position, int delta);
    void setLine(int line, const std::string& record);

    DeviceStore& store_;
    DeviceListModel& model_;
    int count_ = 0;
    std::unordered_map<std::string, int> lineOfMac_;
    std::map<int, int> commaPositions_; // first-comma position -> lines having it
};

} // namespace linknode
