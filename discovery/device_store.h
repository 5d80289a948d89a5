#pragma once

#include <string>
#include <vector>

namespace linknode {

// DEVICE_STORE: one record per line of the device list, slot i for line i.
class DeviceStore {
public:
    static constexpr int capacity = 10000;

    DeviceStore();

    const std::string& at(int slot) const { return slots_.at(static_cast<size_t>(slot)); }
    void set(int slot, std::string record)
    {
        slots_.at(static_cast<size_t>(slot)) = std::move(record);
    }

private:
    std::vector<std::string> slots_;
};

} // namespace linknode
