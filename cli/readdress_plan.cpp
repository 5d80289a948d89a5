#include "cli/readdress_plan.h"

#include "cli/arguments.h"
#include "config/device_record.h"
#include "core/latin1.h"
#include "netid/save_checks.h"

#include <map>
#include <set>

namespace linknode {

namespace {
    QString atLine(int line, const QString& text)
    {
        return QStringLiteral("plan line %1: %2").arg(line).arg(text);
    }
}

std::optional<std::vector<PlanRow>> parsePlan(const QByteArray& text, QString* problem)
{
    std::vector<PlanRow> rows;
    std::set<MacBytes> macs;
    std::set<std::string> addresses;
    int number = 0;
    for (const QByteArray& raw : text.split('\n')) {
        ++number;
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(QStringLiteral("mac,")))
            continue;
        const QStringList fields = line.split(u',');
        if (fields.size() < 2 || fields.size() > 4) {
            *problem
                = atLine(number, QStringLiteral("\"%1\" is not mac,ip[,mask[,gateway]]").arg(line));
            return std::nullopt;
        }
        PlanRow row;
        row.line = number;
        const auto mac = parseMac(fields[0].trimmed());
        const auto ip = parseDeviceAddress(fields[1].trimmed());
        if (!mac || !ip) {
            *problem = atLine(number,
                QStringLiteral("\"%1\" is not a %2")
                    .arg(mac ? fields[1] : fields[0],
                        mac ? QStringLiteral("device address") : QStringLiteral("MAC")));
            return std::nullopt;
        }
        row.mac = *mac;
        row.ip = *ip;
        if (fields.size() >= 3 && !(row.mask = parseMask(fields[2].trimmed()))) {
            *problem = atLine(number, QStringLiteral("\"%1\" is not a subnet mask").arg(fields[2]));
            return std::nullopt;
        }
        if (fields.size() == 4 && !(row.gateway = parseAddress(fields[3].trimmed()))) {
            *problem = atLine(number, QStringLiteral("\"%1\" is not an address").arg(fields[3]));
            return std::nullopt;
        }
        if (!macs.insert(row.mac).second) {
            *problem = atLine(number, QStringLiteral("MAC %1 is in the plan twice").arg(fields[0]));
            return std::nullopt;
        }
        if (!addresses.insert(row.ip).second) {
            *problem = atLine(
                number, QStringLiteral("address %1 is in the plan twice").arg(toText(row.ip)));
            return std::nullopt;
        }
        rows.push_back(row);
    }
    if (rows.empty()) {
        *problem = QStringLiteral("the plan has no rows");
        return std::nullopt;
    }
    return rows;
}

OrderedPlan orderPlan(const std::vector<PlanRow>& rows, const std::vector<DeviceEntry>& found)
{
    OrderedPlan plan;
    std::map<MacBytes, DeviceEntry> byMac;
    std::map<std::string, std::vector<MacBytes>> holders; // address -> devices having it now
    for (const DeviceEntry& entry : found) {
        if (const auto mac = strictMac(recordField(entry.record, FLD_MAC))) {
            byMac[*mac] = entry;
            holders[recordField(entry.record, FLD_IP)].push_back(*mac);
        }
    }
    std::map<MacBytes, const PlanRow*> rowOf;
    for (const PlanRow& row : rows) {
        rowOf[row.mac] = &row;
        if (!byMac.contains(row.mac))
            plan.silent << toText(macText(row.mac));
    }
    if (!plan.silent.isEmpty()) {
        plan.problem
            = QStringLiteral("no answer from %1").arg(plan.silent.join(QStringLiteral(", ")));
        return plan;
    }
    // Who must move before whom: the devices now holding a row's new address.
    std::map<MacBytes, std::vector<MacBytes>> waitsFor;
    for (const PlanRow& row : rows) {
        for (const MacBytes& holder : holders[row.ip]) {
            if (holder == row.mac)
                continue;
            const auto moving = rowOf.find(holder);
            if (moving == rowOf.end() || moving->second->ip == row.ip) {
                plan.problem = QStringLiteral("%1 is held by %2, which the plan leaves there")
                                   .arg(toText(row.ip), toText(macText(holder)));
                return plan;
            }
            waitsFor[row.mac].push_back(holder);
        }
    }
    // Rows in file order, each once every device it waits for has moved.
    std::set<MacBytes> done;
    while (plan.steps.size() < rows.size()) {
        bool progressed = false;
        for (const PlanRow& row : rows) {
            if (done.contains(row.mac))
                continue;
            bool ready = true;
            for (const MacBytes& before : waitsFor[row.mac])
                ready = ready && done.contains(before);
            if (!ready)
                continue;
            plan.steps.push_back({ row, byMac[row.mac] });
            done.insert(row.mac);
            progressed = true;
        }
        if (!progressed) {
            QStringList ring;
            for (const PlanRow& row : rows)
                if (!done.contains(row.mac))
                    ring << toText(macText(row.mac));
            plan.steps.clear();
            plan.problem
                = QStringLiteral("devices %1 would exchange addresses: no order frees each "
                                 "new address in time; move one to a spare address first")
                      .arg(ring.join(QStringLiteral(", ")));
            return plan;
        }
    }
    return plan;
}

} // namespace linknode
