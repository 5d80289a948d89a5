#include "sim/device.h"

#include <algorithm>

namespace linknode::sim {

QByteArray recordText(const Device& device)
{
    const std::array<const QByteArray*, Device::fieldCount> all { &device.mac, &device.ip,
        &device.mask, &device.gateway, &device.bauds, &device.parity, &device.databits,
        &device.version, &device.mode, &device.hostIp, &device.hostPort, &device.options,
        &device.wiegand[0], &device.wiegand[1], &device.wiegand[2], &device.login };
    const int count = std::clamp(device.fields, 1, Device::fieldCount);
    QByteArray record;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            record += ',';
        record += *all[static_cast<size_t>(i)];
    }
    return record;
}

} // namespace linknode::sim
