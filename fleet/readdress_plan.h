#pragma once

#include "core/refusal.h"
#include "fleet/device_entry.h"
#include "link/envelope.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// A re-addressing plan: rows "mac,ip[,mask[,gateway]]", checked whole before anything is sent
// and put in an order in which every new address is free when its turn comes.
namespace linknode {

struct PlanRow {
    int line = 0; // in the file, from 1
    MacBytes mac {};
    std::string ip;
    std::optional<std::string> mask, gateway;
};

// The rows of a plan file as spreadsheets save it (see CsvReader). A header line names the
// columns mac, ip, mask and gateway in any case and order; without one they are in that
// order. An empty mask or gateway keeps the device's own. None, with the line and the reason,
// for a malformed text, a row without a MAC or an address, a value that is no MAC, address or
// mask, or a MAC or a new address named twice.
std::optional<std::vector<PlanRow>> parsePlan(const QByteArray& text, QString* problem);

struct PlanStep {
    PlanRow row;
    DeviceEntry device; // as it answered before the change
};

struct OrderedPlan {
    std::vector<PlanStep> steps; // in the order they may be applied
    QStringList silent; // MACs of the plan that did not answer
    Refusal problem; // the plan cannot be applied as it stands
};

// Checks the plan against the devices found: every MAC answering, no new address held by a
// device outside the plan (or by one of the plan that keeps it), and an order in which each
// device moves only once the device holding its new address has moved away. A ring of
// devices exchanging addresses has no such order.
OrderedPlan orderPlan(const std::vector<PlanRow>& rows, const std::vector<DeviceEntry>& found);

} // namespace linknode
