#pragma once

#include "cli/arguments.h"
#include "cli/device_entry.h"

#include <QString>
#include <vector>

// The three forms of a result: aligned columns for people, JSON and CSV for programs.
namespace linknode {

// Columns named by the first row, without `omitted` ones; each as wide as its widest value,
// two blanks between columns, no blanks at the end of a line. Flags are joined by ",".
QString tableText(const std::vector<Row>& rows, const QStringList& omitted = {});
// One JSON array of objects, indented.
QString jsonText(const std::vector<Row>& rows);
// RFC 4180: a header line, CRLF line ends; a value with a comma, a quote, CR or LF is quoted
// and its quotes doubled. Flags are joined by " ".
QString csvText(const std::vector<Row>& rows);

// A list of devices in the chosen form; the table leaves out the whole record.
QString listText(const std::vector<Row>& rows, OutputFormat format);
// One device: the table is one "name  value" line per field; JSON is one object.
QString oneText(const Row& row, OutputFormat format);

} // namespace linknode
