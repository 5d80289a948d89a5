#include "fleet/site_file.h"

#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/change_request.h"
#include "fleet/device_values.h"
#include "fleet/readdress_plan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cctype>
#include <map>
#include <set>

namespace linknode {

namespace {
    const QString macKey = QStringLiteral("mac");
    // What an inventory tells about a device without being a value to set.
    const QStringList readOnlyKeys { QStringLiteral("model"), QStringLiteral("firmware"),
        QStringLiteral("interface"), QStringLiteral("flags"), QStringLiteral("record") };

    // A text from the file as a refusal quotes it: on one line and short.
    QString quoted(const QString& text)
    {
        constexpr qsizetype shownLength = 40;
        return u'"' + cutText(caretForm(text), shownLength) + u'"';
    }

    bool isJson(const QByteArray& text)
    {
        for (const char c : text) {
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                return c == '{' || c == '[';
        }
        return false;
    }

    QString deviceName(int position, const MacBytes& mac)
    {
        return QStringLiteral("device %1 (%2)").arg(position).arg(toText(macText(mac)));
    }

    // A key the file may hold, or why not; the MAC is read apart.
    QString keyProblem(const QString& key, const QJsonValue& value)
    {
        if (key == macKey || readOnlyKeys.contains(key))
            return {};
        if (!requestKeys().contains(key))
            return QStringLiteral("unknown key %1; the keys to set are %2")
                .arg(quoted(key), requestKeys().join(QStringLiteral(", ")));
        if (!value.isString())
            return QStringLiteral("%1 is not a text in quotes").arg(key);
        if (value.toString().contains(QChar(0)))
            return QStringLiteral("%1 holds a NUL character, which no device keeps").arg(key);
        return {};
    }

    // One device of an inventory: its MAC and the values it names; an empty value sets
    // nothing, as an inventory writes it for a value the device does not have.
    std::optional<SiteEntry> entryOf(const QJsonValue& item, int position, QString* problem)
    {
        QString name = QStringLiteral("device %1").arg(position); // until its MAC is known
        const auto refused = [&](const QString& reason) {
            *problem = name + QStringLiteral(": ") + reason;
            return std::nullopt;
        };
        const QJsonObject device = item.toObject();
        if (!item.isObject())
            return refused(QStringLiteral("not an object of keys and values"));
        const QString macValue = device.value(macKey).toString();
        const auto mac = parseMac(macValue);
        if (!mac)
            return refused(macValue.isEmpty()
                    ? QStringLiteral("no mac")
                    : QStringLiteral("mac %1 is not a MAC").arg(quoted(macValue)));
        name = deviceName(position, *mac);
        for (auto field = device.begin(); field != device.end(); ++field)
            if (const QString reason = keyProblem(field.key(), field.value()); !reason.isEmpty())
                return refused(reason);
        const NamedValue value = [&](const QString& key) -> std::optional<QString> {
            const QString text = device.value(key).toString();
            return text.isEmpty() ? std::nullopt : std::optional(text);
        };
        QString reason;
        const auto request = readRequest(
            *mac, value, [](const QString& key) { return key; }, &reason);
        if (!request)
            return refused(reason);
        return SiteEntry { position, *request };
    }

    // The first key an object of `json` (valid JSON) names twice, as written: a parser keeps
    // only the last of them, and the file meant one.
    std::optional<QByteArray> repeatedKey(const QByteArray& json)
    {
        std::vector<std::optional<std::set<QByteArray>>> open; // keys of each object, arrays none
        for (qsizetype i = 0; i < json.size(); ++i) {
            const char c = json[i];
            if (c == '{' || c == '[') {
                open.push_back(c == '{' ? std::optional(std::set<QByteArray> {}) : std::nullopt);
            } else if (c == '}' || c == ']') {
                open.pop_back();
            } else if (c == '"') {
                qsizetype end = i + 1;
                while (end < json.size() && json[end] != '"')
                    end += json[end] == '\\' ? 2 : 1;
                qsizetype next = end + 1;
                while (next < json.size() && std::isspace(static_cast<unsigned char>(json[next])))
                    ++next;
                const QByteArray key = json.mid(i + 1, end - i - 1);
                if (next < json.size() && json[next] == ':' && open.back()
                    && !open.back()->insert(key).second)
                    return key;
                i = end;
            }
        }
        return std::nullopt;
    }

    std::optional<std::vector<SiteEntry>> inventorySite(const QByteArray& text, QString* problem)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError) {
            *problem = QStringLiteral("the site file is not valid JSON: %1 at byte %2")
                           .arg(error.errorString())
                           .arg(error.offset);
            return std::nullopt;
        }
        if (document.isArray()) {
            *problem = QStringLiteral("a JSON array, not a site file: its devices go in an "
                                      "object {\"format\": \"linknode-inventory\", "
                                      "\"version\": 1, \"devices\": [...]}");
            return std::nullopt;
        }
        if (const auto key = repeatedKey(text)) {
            *problem = QStringLiteral("the key %1 stands twice in one object")
                           .arg(quoted(QString::fromUtf8(*key)));
            return std::nullopt;
        }
        const QJsonObject root = document.object();
        if (root.value(QStringLiteral("format")).toString() != QLatin1String("linknode-inventory")
            || root.value(QStringLiteral("version")).toInt() != 1
            || !root.value(QStringLiteral("devices")).isArray()) {
            *problem = QStringLiteral("not an inventory file written by linknode");
            return std::nullopt;
        }
        std::vector<SiteEntry> entries;
        std::map<MacBytes, int> macs;
        std::map<std::string, int> addresses;
        for (const QJsonValue& item : root.value(QStringLiteral("devices")).toArray()) {
            auto entry = entryOf(item, static_cast<int>(entries.size()) + 1, problem);
            if (!entry)
                return std::nullopt;
            const ConfigRequest& request = entry->request;
            const QString name = deviceName(entry->line, request.mac);
            if (const auto [first, added] = macs.emplace(request.mac, entry->line); !added) {
                *problem = name + QStringLiteral(": the same MAC as device %1").arg(first->second);
                return std::nullopt;
            }
            if (request.ip) {
                if (const auto [first, added] = addresses.emplace(*request.ip, entry->line);
                    !added) {
                    *problem = name
                        + QStringLiteral(": the same new address %1 as device %2")
                              .arg(toText(*request.ip))
                              .arg(first->second);
                    return std::nullopt;
                }
            }
            entries.push_back(std::move(*entry));
        }
        if (entries.empty()) {
            *problem = QStringLiteral("the inventory names no device");
            return std::nullopt;
        }
        return entries;
    }

    std::optional<std::vector<SiteEntry>> planSite(const QByteArray& text, QString* problem)
    {
        const auto rows = parsePlan(text, problem);
        if (!rows)
            return std::nullopt;
        std::vector<SiteEntry> entries;
        for (const PlanRow& row : *rows) {
            SiteEntry entry { row.line, {} };
            entry.request.mac = row.mac;
            entry.request.ip = row.ip;
            entry.request.mask = row.mask;
            entry.request.gateway = row.gateway;
            entries.push_back(std::move(entry));
        }
        return entries;
    }
}

std::optional<std::vector<SiteEntry>> parseSite(const QByteArray& text, QString* problem)
{
    // Editors on Windows start a UTF-8 file with a byte order mark, which JSON does not allow.
    const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const QByteArray body = text.startsWith(byteOrderMark) ? text.mid(byteOrderMark.size()) : text;
    if (isJson(body))
        return inventorySite(body, problem);
    return planSite(text, problem);
}

} // namespace linknode
