#include "cli/output_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace linknode {

namespace {
    QString valueText(const QJsonValue& value, QChar joiner)
    {
        if (!value.isArray())
            return value.toString();
        QString joined;
        for (const QJsonValue& item : value.toArray()) {
            if (!joined.isEmpty())
                joined += joiner;
            joined += item.toString();
        }
        return joined;
    }

    QString csvField(const QString& text)
    {
        const bool plain = std::none_of(text.begin(), text.end(),
            [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; });
        if (plain)
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

    // The cells of `row` under `names`, in that order.
    std::vector<QString> cells(const Row& row, const std::vector<QString>& names)
    {
        std::vector<QString> line;
        line.reserve(names.size());
        for (const QString& name : names) {
            auto found = std::find_if(
                row.begin(), row.end(), [&](const auto& cell) { return cell.first == name; });
            line.push_back(found == row.end() ? QString() : valueText(found->second, u','));
        }
        return line;
    }

    void appendJsonString(QString& out, const QString& text)
    {
        out += u'"';
        for (const QChar c : text) {
            switch (c.unicode()) {
            case u'"':
                out += QLatin1String("\\\"");
                break;
            case u'\\':
                out += QLatin1String("\\\\");
                break;
            case u'\b':
                out += QLatin1String("\\b");
                break;
            case u'\f':
                out += QLatin1String("\\f");
                break;
            case u'\n':
                out += QLatin1String("\\n");
                break;
            case u'\r':
                out += QLatin1String("\\r");
                break;
            case u'\t':
                out += QLatin1String("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u00%1").arg(c.unicode(), 2, 16, QChar(u'0'));
                else
                    out += c;
            }
        }
        out += u'"';
    }

    // One object of the array, as QJsonDocument would indent it there: keys sorted, four
    // blanks a level. Written directly, it costs a fraction of building the JSON values.
    QString jsonObjectText(const Row& row)
    {
        std::vector<const Row::value_type*> cells;
        for (const auto& cell : row)
            cells.push_back(&cell);
        std::sort(cells.begin(), cells.end(),
            [](const auto* a, const auto* b) { return a->first < b->first; });
        QString text = QStringLiteral("    {\n");
        for (size_t i = 0; i < cells.size(); ++i) {
            const auto& [name, value] = *cells[i];
            text += QLatin1String("        ");
            appendJsonString(text, name);
            text += QLatin1String(": ");
            if (value.isArray()) {
                text += QLatin1String("[\n");
                const QJsonArray items = value.toArray();
                for (qsizetype item = 0; item < items.size(); ++item) {
                    text += QLatin1String("            ");
                    appendJsonString(text, items.at(item).toString());
                    text += QLatin1String(item + 1 < items.size() ? ",\n" : "\n");
                }
                text += QLatin1String("        ]");
            } else {
                appendJsonString(text, value.toString());
            }
            text += QLatin1String(i + 1 < cells.size() ? ",\n" : "\n");
        }
        return text + QLatin1String("    }");
    }

    QString tableLine(const std::vector<QString>& line, const std::vector<qsizetype>& widths)
    {
        QString shown;
        for (size_t i = 0; i < line.size(); ++i)
            shown += line[i].leftJustified(widths[i] + (i + 1 < line.size() ? 2 : 0), u' ');
        return withoutTrailingBlanks(shown) + u'\n';
    }

    QString csvLine(const Row& row)
    {
        QStringList line;
        for (const auto& [name, value] : row)
            line << csvField(valueText(value, u' '));
        return line.join(u',') + QStringLiteral("\r\n");
    }
}

void writeTable(
    size_t count, const RowSource& rowAt, const TextSink& write, const QStringList& omitted)
{
    if (count == 0)
        return;
    std::vector<QString> names;
    for (const auto& [name, value] : rowAt(0))
        if (!omitted.contains(name))
            names.push_back(name);
    std::vector<qsizetype> widths;
    for (const QString& name : names)
        widths.push_back(name.size());
    for (size_t i = 0; i < count; ++i) {
        const std::vector<QString> line = cells(rowAt(i), names);
        for (size_t column = 0; column < line.size(); ++column)
            widths[column] = std::max(widths[column], line[column].size());
    }
    write(tableLine(names, widths));
    for (size_t i = 0; i < count; ++i)
        write(tableLine(cells(rowAt(i), names), widths));
}

void writeJson(size_t count, const RowSource& rowAt, const TextSink& write)
{
    write(QStringLiteral("[\n"));
    for (size_t i = 0; i < count; ++i)
        write(jsonObjectText(rowAt(i)) + QLatin1String(i + 1 < count ? ",\n" : "\n"));
    write(QStringLiteral("]\n"));
}

void writeCsv(size_t count, const RowSource& rowAt, const TextSink& write)
{
    if (count == 0)
        return;
    QStringList header;
    for (const auto& [name, value] : rowAt(0))
        header << csvField(name);
    write(header.join(u',') + QStringLiteral("\r\n"));
    for (size_t i = 0; i < count; ++i)
        write(csvLine(rowAt(i)));
}

void writeList(size_t count, const RowSource& rowAt, OutputFormat format, const TextSink& write)
{
    switch (format) {
    case OutputFormat::Json:
        return writeJson(count, rowAt, write);
    case OutputFormat::Csv:
        return writeCsv(count, rowAt, write);
    case OutputFormat::Table:
        break;
    }
    writeTable(count, rowAt, write, { QStringLiteral("record") });
}

QString oneText(const Row& row, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Json:
        return QString::fromUtf8(QJsonDocument(object(row)).toJson(QJsonDocument::Indented));
    case OutputFormat::Csv: {
        QString text;
        writeCsv(
            1, [&](size_t) { return row; }, [&](const QString& piece) { text += piece; });
        return text;
    }
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
