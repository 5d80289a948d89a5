#include "cli/output_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace linknode {

namespace {
    QString valueText(const QJsonValue& value, QChar joiner)
    {
        if (value.isArray())
            return value.toVariant().toStringList().join(joiner);
        return value.toString();
    }

    QString csvField(const QString& text)
    {
        if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r')
            && !text.contains(u'\n'))
            return text;
        QString quoted = text;
        quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    }

    QString withoutTrailingBlanks(QString line)
    {
        while (line.endsWith(u' '))
            line.chop(1);
        return line;
    }

    QJsonObject object(const Row& row)
    {
        QJsonObject object;
        for (const auto& [name, value] : row)
            object.insert(name, value);
        return object;
    }
}

QString tableText(const std::vector<Row>& rows, const QStringList& omitted)
{
    if (rows.empty())
        return {};
    std::vector<QString> names;
    for (const auto& [name, value] : rows.front())
        if (!omitted.contains(name))
            names.push_back(name);
    std::vector<std::vector<QString>> cells;
    cells.emplace_back(names);
    for (const Row& row : rows) {
        std::vector<QString> line;
        for (const QString& name : names) {
            auto found = std::find_if(
                row.begin(), row.end(), [&](const auto& cell) { return cell.first == name; });
            line.push_back(found == row.end() ? QString() : valueText(found->second, u','));
        }
        cells.push_back(std::move(line));
    }
    std::vector<qsizetype> widths(names.size(), 0);
    for (const auto& line : cells)
        for (size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    QString text;
    for (const auto& line : cells) {
        QString shown;
        for (size_t i = 0; i < line.size(); ++i)
            shown += line[i].leftJustified(widths[i] + (i + 1 < line.size() ? 2 : 0), u' ');
        text += withoutTrailingBlanks(shown) + u'\n';
    }
    return text;
}

QString jsonText(const std::vector<Row>& rows)
{
    QJsonArray array;
    for (const Row& row : rows)
        array.append(object(row));
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

QString csvText(const std::vector<Row>& rows)
{
    if (rows.empty())
        return {};
    QStringList header;
    for (const auto& [name, value] : rows.front())
        header << csvField(name);
    QString text = header.join(u',') + QStringLiteral("\r\n");
    for (const Row& row : rows) {
        QStringList line;
        for (const auto& [name, value] : row)
            line << csvField(valueText(value, u' '));
        text += line.join(u',') + QStringLiteral("\r\n");
    }
    return text;
}

QString listText(const std::vector<Row>& rows, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Json:
        return jsonText(rows);
    case OutputFormat::Csv:
        return csvText(rows);
    case OutputFormat::Table:
        break;
    }
    return tableText(rows, { QStringLiteral("record") });
}

QString oneText(const Row& row, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Json:
        return QString::fromUtf8(QJsonDocument(object(row)).toJson(QJsonDocument::Indented));
    case OutputFormat::Csv:
        return csvText({ row });
    case OutputFormat::Table:
        break;
    }
    qsizetype width = 0;
    for (const auto& [name, value] : row)
        width = std::max(width, name.size());
    QString text;
    for (const auto& [name, value] : row) {
        if (name == QLatin1String("record"))
            continue;
        text += withoutTrailingBlanks(name.leftJustified(width + 2, u' ') + valueText(value, u','))
            + u'\n';
    }
    return text;
}

} // namespace linknode
