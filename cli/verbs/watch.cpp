#include "cli/verbs/watch.h"

#include "cli/verbs/interrupt_notifier.h"
#include "config/device_record.h"
#include "core/json_text.h"
#include "fleet/inventory.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace linknode {

namespace {
    // Enquiries in a row a device may miss before it is reported missing.
    constexpr int missedEnquiries = 3;

    struct Seen {
        QJsonObject device;
        int missed = 0;
    };

    QJsonObject detailObject(const DeviceEntry& entry)
    {
        QJsonObject object;
        for (const auto& [name, value] : detailRow(entry))
            object.insert(name, value);
        return object;
    }

    void writeEvent(Console& console, const QString& event, const QString& mac, QJsonObject body)
    {
        body.insert(QStringLiteral("event"), event);
        body.insert(
            QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
        body.insert(QStringLiteral("mac"), mac);
        console.out(
            QString::fromUtf8(jsonText(QJsonDocument(body), QJsonDocument::Compact)) + u'\n');
    }

    QString macOf(const QJsonObject& device)
    {
        return device.value(QStringLiteral("mac")).toString();
    }

    // Devices are known by their MAC bytes (macKey), reported with the MAC as written.
    void compare(std::map<std::string, Seen>& seen, const std::vector<DeviceEntry>& found,
        const DeviceFilter& filter, Console& console)
    {
        std::map<std::string, QJsonObject> now;
        for (const DeviceEntry& entry : found)
            if (matches(filter, entry))
                now[macKey(recordField(entry.record, FLD_MAC))] = detailObject(entry);
        for (const auto& [key, device] : now) {
            const QString mac = macOf(device);
            const auto known = seen.find(key);
            if (known == seen.end()) {
                writeEvent(console, QStringLiteral("new"), mac,
                    QJsonObject { { QStringLiteral("device"), device } });
                seen[key] = { device, 0 };
                continue;
            }
            const std::vector<FieldChange> changes = fieldChanges(known->second.device, device);
            if (!changes.empty()) {
                QJsonArray list;
                for (const FieldChange& change : changes)
                    list.append(QJsonObject { { QStringLiteral("field"), change.field },
                        { QStringLiteral("old"), change.before },
                        { QStringLiteral("new"), change.after } });
                writeEvent(console, QStringLiteral("changed"), mac,
                    QJsonObject { { QStringLiteral("changes"), list },
                        { QStringLiteral("device"), device } });
            }
            known->second = { device, 0 };
        }
        for (auto it = seen.begin(); it != seen.end();) {
            if (!now.contains(it->first) && ++it->second.missed >= missedEnquiries) {
                writeEvent(console, QStringLiteral("missing"), macOf(it->second.device), {});
                it = seen.erase(it);
            } else {
                ++it;
            }
        }
    }
}

QString watchDevices(Session& session, const WatchPlan& plan, Console& console)
{
    // Ctrl+C and SIGTERM, on Windows also Ctrl+Break and a closed console; the discoveries'
    // and the waits' event loops deliver it.
    InterruptNotifier notifier;
    bool interrupted = false;
    QObject::connect(
        &notifier, &InterruptNotifier::interrupted, &notifier, [&] { interrupted = true; });
    std::map<std::string, Seen> seen;
    QString failure;
    while (!interrupted) {
        const double start = session.now();
        const std::vector<DeviceEntry> found = session.discover(plan.targets, plan.wait);
        if (!session.sendFailure().isEmpty()) {
            failure = session.sendFailure();
            break;
        }
        if (interrupted)
            break;
        compare(seen, found, plan.filter, console);
        if (!console.outputFailure().isEmpty())
            break;
        // Short steps, so an interruption ends the wait at once.
        while (!interrupted && session.now() < start + plan.every)
            session.wait(0.1);
    }
    return failure;
}

} // namespace linknode
