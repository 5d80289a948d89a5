#pragma once

#include "cli/run/arguments.h"
#include "core/shown_text.h"
#include "fleet/device_entry.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// The three forms of a result: aligned columns for people, JSON and CSV for programs. A list
// is written a piece at a time from rows built on demand, so a fleet of tens of thousands of
// devices never sits in memory as rows or as one text.
//
// Table and CSV cells show device bytes that would move the cursor or break a line (codes
// below 32, 127 and 128 to 159) in caret form, "^13^", as the login box does; JSON keeps the
// exact text. A table cell is cut to tableCellWidth characters (a model caption, which runs
// to about 50, to tableModelWidth), its last one then "…", unless the list is wide.
namespace linknode {

inline constexpr qsizetype tableCellWidth = 40;
inline constexpr qsizetype tableModelWidth = 60;

// Row `i` of a list, built when the writer needs it and dropped after.
using RowSource = std::function<Row(size_t)>;
// Takes each piece of text as it is ready.
using TextSink = std::function<void(const QString&)>;

// What the table and CSV forms show; JSON always has every field.
struct ListOptions {
    // Only these columns, in this order; none: every column, the table without the record.
    QStringList fields;
    // Table cells whole, never cut.
    bool wide = false;
    // The names of a row (columnNames of a row of an empty device), for the header of a list
    // with no row; none: the names of the first row.
    QStringList columns {};
};

// The names of a row's values, in order.
QStringList columnNames(const Row& row);
// The names in `text` ("ip,mac"), each one of `known` in any case and given back as `known`
// spells it; none, with a message naming it and the known ones, for any other name.
std::optional<QStringList> parseFields(
    const QString& text, const QStringList& known, QString* problem);

// Each column as wide as its widest value, two blanks between columns, no blanks at the end
// of a line. Flags are joined by ",". Each row is built twice: once for the widths, once to
// write it. Nothing when empty: the verbs tell that on standard error.
void writeTable(
    size_t count, const RowSource& rowAt, const TextSink& write, const ListOptions& options = {});
// One JSON array of objects, the text jsonText gives (keys sorted, indented); "[\n]\n"
// when empty. Values are strings or arrays of strings, as in every Row.
void writeJson(size_t count, const RowSource& rowAt, const TextSink& write);
// RFC 4180: a header line, also when empty, and CRLF line ends; a value with a comma or a
// quote is quoted and its quotes doubled, one that starts with =, +, - or @ gets an apostrophe
// in front (a spreadsheet would run it as a formula). Flags are joined by " ".
void writeCsv(
    size_t count, const RowSource& rowAt, const TextSink& write, const ListOptions& options = {});

// A list of devices in the chosen form.
void writeList(size_t count, const RowSource& rowAt, OutputFormat format, const TextSink& write,
    const ListOptions& options = {});
// One device: the table is one "name  value" line per field; JSON is one object, in which a
// name "group.key" is the key of an object "group".
QString oneText(const Row& row, OutputFormat format, const ListOptions& options = {});

} // namespace linknode
