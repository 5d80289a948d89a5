#pragma once

#include "cli/arguments.h"
#include "cli/device_entry.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

// The three forms of a result: aligned columns for people, JSON and CSV for programs. A list
// is written a piece at a time from rows built on demand, so a fleet of tens of thousands of
// devices never sits in memory as rows or as one text.
namespace linknode {

// Row `i` of a list, built when the writer needs it and dropped after.
using RowSource = std::function<Row(size_t)>;
// Takes each piece of text as it is ready.
using TextSink = std::function<void(const QString&)>;

// Columns named by the first row, without `omitted` ones; each as wide as its widest value,
// two blanks between columns, no blanks at the end of a line. Flags are joined by ",". Each
// row is built twice: once for the widths, once to write it.
void writeTable(
    size_t count, const RowSource& rowAt, const TextSink& write, const QStringList& omitted = {});
// One JSON array of objects, the text QJsonDocument gives (keys sorted, indented); "[\n]\n"
// when empty. Values are strings or arrays of strings, as in every Row.
void writeJson(size_t count, const RowSource& rowAt, const TextSink& write);
// RFC 4180: a header line, CRLF line ends; a value with a comma, a quote, CR or LF is quoted
// and its quotes doubled. Flags are joined by " ". Nothing when empty.
void writeCsv(size_t count, const RowSource& rowAt, const TextSink& write);

// A list of devices in the chosen form; the table leaves out the whole record.
void writeList(size_t count, const RowSource& rowAt, OutputFormat format, const TextSink& write);
// One device: the table is one "name  value" line per field; JSON is one object.
QString oneText(const Row& row, OutputFormat format);

} // namespace linknode
