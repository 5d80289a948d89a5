#include "fleet/readdress_plan.h"

#include "config/device_record.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/csv_reader.h"
#include "fleet/device_values.h"
#include "netid/save_checks.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace linknode {

namespace {
    enum Column { Mac, Ip, Mask, Gateway, ColumnCount };
    const QStringList planColumns { QStringLiteral("mac"), QStringLiteral("ip"),
        QStringLiteral("mask"), QStringLiteral("gateway") };

    QString atLine(int line, const QString& text)
    {
        return QStringLiteral("plan line %1: %2").arg(line).arg(text);
    }

    // A value as a refusal quotes it: short and on one line, whatever the file held.
    QString quoted(const QString& value)
    {
        constexpr qsizetype shownLength = 40;
        return u'"' + cutText(caretForm(value), shownLength) + u'"';
    }

    bool isEmptyRecord(const QStringList& fields)
    {
        return std::all_of(fields.begin(), fields.end(),
            [](const QString& field) { return field.trimmed().isEmpty(); });
    }

    bool isHeader(const QStringList& fields)
    {
        return std::any_of(fields.begin(), fields.end(), [](const QString& field) {
            return planColumns.contains(field.trimmed(), Qt::CaseInsensitive);
        });
    }

    // Where each column is in the rows: -1 for one the file leaves out.
    using Layout = std::array<qsizetype, ColumnCount>;

    std::optional<Layout> headerLayout(const CsvRecord& header, QString* problem)
    {
        Layout layout;
        layout.fill(-1);
        for (qsizetype i = 0; i < header.fields.size(); ++i) {
            const QString name = header.fields[i].trimmed();
            const qsizetype column = planColumns.indexOf(name.toLower());
            if (name.isEmpty())
                continue;
            if (column < 0 || layout[static_cast<size_t>(column)] >= 0) {
                *problem = atLine(header.line,
                    QStringLiteral("column %1 is %2; the columns are %3")
                        .arg(quoted(name),
                            column < 0 ? QStringLiteral("unknown") : QStringLiteral("named twice"),
                            planColumns.join(QStringLiteral(", "))));
                return std::nullopt;
            }
            layout[static_cast<size_t>(column)] = i;
        }
        if (layout[Mac] < 0 || layout[Ip] < 0) {
            *problem
                = atLine(header.line, QStringLiteral("the header names no mac or no ip column"));
            return std::nullopt;
        }
        return layout;
    }

    // The row's values by column, trimmed; none, with the reason, for a value in no column.
    std::optional<std::array<QString, ColumnCount>> values(
        const CsvRecord& record, const Layout& layout, QString* problem)
    {
        std::array<QString, ColumnCount> values;
        std::vector<bool> used(static_cast<size_t>(record.fields.size()));
        for (size_t column = 0; column < ColumnCount; ++column) {
            if (layout[column] >= 0 && layout[column] < record.fields.size()) {
                values[column] = record.fields[layout[column]].trimmed();
                used[static_cast<size_t>(layout[column])] = true;
            }
        }
        for (qsizetype i = 0; i < record.fields.size(); ++i) {
            if (!used[static_cast<size_t>(i)] && !record.fields[i].trimmed().isEmpty()) {
                *problem = atLine(record.line,
                    QStringLiteral("%1 is in no column of mac, ip, mask, gateway")
                        .arg(quoted(record.fields[i])));
                return std::nullopt;
            }
        }
        return values;
    }

    std::optional<PlanRow> planRow(
        int line, const std::array<QString, ColumnCount>& value, QString* problem)
    {
        PlanRow row;
        row.line = line;
        const auto refused = [&](const QString& text, const char* what) {
            *problem = atLine(line,
                text.isEmpty()
                    ? QStringLiteral("no %1").arg(QLatin1String(what))
                    : QStringLiteral("%1 is not a %2").arg(quoted(text), QLatin1String(what)));
            return std::nullopt;
        };
        const auto mac = parseMac(value[Mac]);
        if (!mac)
            return refused(value[Mac], "MAC");
        row.mac = *mac;
        const auto ip = parseDeviceAddress(value[Ip]);
        if (!ip)
            return refused(value[Ip], "device address");
        row.ip = *ip;
        if (!value[Mask].isEmpty() && !(row.mask = parseMask(value[Mask])))
            return refused(value[Mask], "subnet mask");
        if (!value[Gateway].isEmpty() && !(row.gateway = parseAddress(value[Gateway])))
            return refused(value[Gateway], "gateway address");
        return row;
    }
}

std::optional<std::vector<PlanRow>> parsePlan(const QByteArray& text, QString* problem)
{
    std::vector<PlanRow> rows;
    std::set<MacBytes> macs;
    std::set<std::string> addresses;
    std::optional<Layout> layout;
    CsvReader reader(text);
    while (const auto record = reader.next()) {
        if (isEmptyRecord(record->fields))
            continue;
        if (!layout) {
            const bool header = isHeader(record->fields);
            layout = header ? headerLayout(*record, problem) : Layout { Mac, Ip, Mask, Gateway };
            if (!layout)
                return std::nullopt;
            if (header)
                continue;
        }
        const auto value = values(*record, *layout, problem);
        if (!value)
            return std::nullopt;
        const auto row = planRow(record->line, *value, problem);
        if (!row)
            return std::nullopt;
        if (!macs.insert(row->mac).second) {
            *problem = atLine(row->line,
                QStringLiteral("MAC %1 is in the plan twice").arg(toText(macText(row->mac))));
            return std::nullopt;
        }
        if (!addresses.insert(row->ip).second) {
            *problem = atLine(
                row->line, QStringLiteral("address %1 is in the plan twice").arg(toText(row->ip)));
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    if (!reader.fault().isEmpty()) {
        *problem = QStringLiteral("plan ") + reader.fault();
        return std::nullopt;
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
    std::map<MacBytes, const DeviceEntry*> byMac; // not copies: a list may hold 32 MB
    std::map<std::string, std::vector<MacBytes>> holders; // address -> devices having it now
    for (const DeviceEntry& entry : found) {
        if (const auto mac = recordMac(entry.record)) {
            byMac[*mac] = &entry;
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
        plan.problem = { Refusal::Value::Request,
            "no answer from " + toBytes(plan.silent.join(QStringLiteral(", "))) };
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
                plan.problem = { Refusal::Value::Address,
                    row.ip + " is held by " + macText(holder) + ", which the plan leaves there" };
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
            plan.steps.push_back({ row, *byMac[row.mac] });
            done.insert(row.mac);
            progressed = true;
        }
        if (!progressed) {
            QStringList ring;
            for (const PlanRow& row : rows)
                if (!done.contains(row.mac))
                    ring << toText(macText(row.mac));
            plan.steps.clear();
            plan.problem = { Refusal::Value::Address,
                "devices " + toBytes(ring.join(QStringLiteral(", ")))
                    + " would exchange addresses: no order frees each new address in time; move "
                      "one to a spare address first" };
            return plan;
        }
    }
    return plan;
}

} // namespace linknode
