#include "cli/output/output_format.h"

#include "core/json_text.h"

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

    // A spreadsheet takes a cell that starts so for a formula, and a device's text is no
    // formula: an apostrophe in front keeps it text.
    bool readAsFormula(const QString& text)
    {
        return !text.isEmpty() && QStringView(u"=+-@").contains(text.front());
    }

    QString csvField(const QString& text)
    {
        QString shown = caretForm(text);
        if (readAsFormula(shown))
            shown.prepend(u'\'');
        if (!shown.contains(u',') && !shown.contains(u'"'))
            return shown;
        QString quoted = shown;
        quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    }

    QString tableCell(const QString& name, const QString& text, const ListOptions& options)
    {
        if (options.wide)
            return caretForm(text);
        return cutText(
            caretForm(text), name == QLatin1String("model") ? tableModelWidth : tableCellWidth);
    }

    QString withoutTrailingBlanks(QString line)
    {
        while (line.endsWith(u' '))
            line.chop(1);
        return line;
    }

    // A name "group.key" is a key of the object "group".
    QJsonObject object(const Row& row)
    {
        QJsonObject object;
        for (const auto& [name, value] : row) {
            const qsizetype dot = name.indexOf(u'.');
            if (dot < 0) {
                object.insert(name, value);
                continue;
            }
            const QString group = name.left(dot);
            QJsonObject inner = object.value(group).toObject();
            inner.insert(name.mid(dot + 1), value);
            object.insert(group, inner);
        }
        return object;
    }

    // The value of `row` named so, its items joined by `joiner`; "" when it has none.
    QString cell(const Row& row, const QString& name, QChar joiner)
    {
        const auto found = std::find_if(
            row.begin(), row.end(), [&](const auto& value) { return value.first == name; });
        return found == row.end() ? QString() : valueText(found->second, joiner);
    }

    // The columns a list shows: those asked for, or every one (the table without the record).
    QStringList shownNames(const ListOptions& options, const Row* first, bool table)
    {
        if (!options.fields.isEmpty())
            return options.fields;
        QStringList names = first ? columnNames(*first) : options.columns;
        if (table)
            names.removeAll(QStringLiteral("record"));
        return names;
    }

    std::vector<QString> tableCells(
        const Row& row, const QStringList& names, const ListOptions& options)
    {
        std::vector<QString> line;
        line.reserve(static_cast<size_t>(names.size()));
        for (const QString& name : names)
            line.push_back(tableCell(name, cell(row, name, u','), options));
        return line;
    }

    // One object of the array, as jsonText would indent it there: keys sorted, four
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

    QString csvLine(const Row& row, const QStringList& names)
    {
        QStringList line;
        for (const QString& name : names)
            line << csvField(cell(row, name, u' '));
        return line.join(u',') + QStringLiteral("\r\n");
    }
}

QStringList columnNames(const Row& row)
{
    QStringList names;
    for (const auto& [name, value] : row)
        names << name;
    return names;
}

std::optional<QStringList> parseFields(
    const QString& text, const QStringList& known, QString* problem)
{
    QStringList fields;
    for (const QString& asked : text.split(u',')) {
        const QString name = asked.trimmed();
        const auto found = std::find_if(known.begin(), known.end(),
            [&](const QString& one) { return one.compare(name, Qt::CaseInsensitive) == 0; });
        if (found == known.end()) {
            *problem = QStringLiteral("unknown field \"%1\"; the fields are %2")
                           .arg(name, known.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        fields << *found;
    }
    return fields;
}

void writeTable(
    size_t count, const RowSource& rowAt, const TextSink& write, const ListOptions& options)
{
    if (count == 0)
        return;
    const Row first = rowAt(0);
    const QStringList names = shownNames(options, &first, true);
    std::vector<qsizetype> widths;
    for (const QString& name : names)
        widths.push_back(name.size());
    for (size_t i = 0; i < count; ++i) {
        const std::vector<QString> line = tableCells(rowAt(i), names, options);
        for (size_t column = 0; column < line.size(); ++column)
            widths[column] = std::max(widths[column], line[column].size());
    }
    write(tableLine({ names.begin(), names.end() }, widths));
    for (size_t i = 0; i < count; ++i)
        write(tableLine(tableCells(rowAt(i), names, options), widths));
}

void writeJson(size_t count, const RowSource& rowAt, const TextSink& write)
{
    write(QStringLiteral("[\n"));
    for (size_t i = 0; i < count; ++i)
        write(jsonObjectText(rowAt(i)) + QLatin1String(i + 1 < count ? ",\n" : "\n"));
    write(QStringLiteral("]\n"));
}

void writeCsv(
    size_t count, const RowSource& rowAt, const TextSink& write, const ListOptions& options)
{
    const std::optional<Row> first = count > 0 ? std::optional(rowAt(0)) : std::nullopt;
    const QStringList names = shownNames(options, first ? &*first : nullptr, false);
    if (names.isEmpty())
        return;
    QStringList header;
    for (const QString& name : names)
        header << csvField(name);
    write(header.join(u',') + QStringLiteral("\r\n"));
    for (size_t i = 0; i < count; ++i)
        write(csvLine(rowAt(i), names));
}

void writeList(size_t count, const RowSource& rowAt, OutputFormat format, const TextSink& write,
    const ListOptions& options)
{
    switch (format) {
    case OutputFormat::Json:
        return writeJson(count, rowAt, write);
    case OutputFormat::Csv:
        return writeCsv(count, rowAt, write, options);
    case OutputFormat::Table:
        break;
    }
    writeTable(count, rowAt, write, options);
}

QString oneText(const Row& row, OutputFormat format, const ListOptions& options)
{
    switch (format) {
    case OutputFormat::Json:
        return QString::fromUtf8(jsonText(QJsonDocument(object(row)), QJsonDocument::Indented));
    case OutputFormat::Csv: {
        QString text;
        writeCsv(
            1, [&](size_t) { return row; }, [&](const QString& piece) { text += piece; }, options);
        return text;
    }
    case OutputFormat::Table:
        break;
    }
    const QStringList names = shownNames(options, &row, true);
    qsizetype width = 0;
    for (const QString& name : names)
        width = std::max(width, name.size());
    QString text;
    for (const QString& name : names)
        text += withoutTrailingBlanks(name.leftJustified(width + 2, u' ')
                    + tableCell(name, cell(row, name, u','), options))
            + u'\n';
    return text;
}

} // namespace linknode
