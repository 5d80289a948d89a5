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
    // Each object as QJsonDocument indents it, shifted one level into the array: the same
    // text as the whole array would give.
    write(QStringLiteral("[\n"));
    for (size_t i = 0; i < count; ++i) {
        const QByteArray text = QJsonDocument(object(rowAt(i))).toJson(QJsonDocument::Indented);
        QString shifted;
        for (const QByteArray& line : text.trimmed().split('\n'))
            shifted += QStringLiteral("    ") + QString::fromUtf8(line) + u'\n';
        if (i + 1 < count)
            shifted.insert(shifted.size() - 1, u',');
        write(shifted);
    }
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
