#pragma once

#include "fleet/device_entry.h"

#include <QStringList>
#include <optional>
#include <utility>

// Which devices a listing keeps: --model, --subnet, --interface (taken by the session) and
// --flag of discover and inventory save.
namespace linknode {

struct DeviceFilter {
    QString model; // a part of the model's caption, any case
    std::optional<std::pair<quint32, quint32>> subnet; // network and mask
    QStringList flags; // every one of them
};

// The filter the options name; none, with the reason, for a subnet that is no CIDR or a flag
// that is not one of duplicate-ip, off-subnet, encrypted, old-firmware, record-cut.
std::optional<DeviceFilter> parseFilter(
    const QString& model, const QString& subnet, const QStringList& flags, QString* problem);

bool matches(const DeviceFilter& filter, const DeviceEntry& entry);

} // namespace linknode
