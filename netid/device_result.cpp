#include "netid/device_result.h"

#include <algorithm>

namespace linknode {

QString statusName(DeviceStatus status)
{
    switch (status) {
    case DeviceStatus::Confirmed:
        return QStringLiteral("confirmed");
    case DeviceStatus::NotConfirmed:
        return QStringLiteral("not-confirmed");
    case DeviceStatus::NotTried:
        return QStringLiteral("not-tried");
    case DeviceStatus::Unchanged:
        return QStringLiteral("unchanged");
    case DeviceStatus::Refused:
        return QStringLiteral("refused");
    case DeviceStatus::Sent:
        return QStringLiteral("sent");
    case DeviceStatus::New:
        return QStringLiteral("new");
    case DeviceStatus::Missing:
        return QStringLiteral("missing");
    case DeviceStatus::Changed:
        return QStringLiteral("changed");
    case DeviceStatus::Saved:
        return QStringLiteral("saved");
    case DeviceStatus::Planned:
        return QStringLiteral("planned");
    case DeviceStatus::Parked:
        return QStringLiteral("parked");
    }
    return {};
}

int countOf(const std::vector<DeviceResult>& devices, DeviceStatus status)
{
    return static_cast<int>(std::count_if(devices.begin(), devices.end(),
        [&](const DeviceResult& device) { return device.status == status; }));
}

} // namespace linknode
