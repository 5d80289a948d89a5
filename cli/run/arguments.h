#pragma once

#include "fleet/device_values.h"

#include <QString>
#include <optional>

// Values typed on the command line that are about the run, not the devices.
namespace linknode {

enum class OutputFormat { Table, Json, Csv };
std::optional<OutputFormat> parseFormat(const QString& text);

// A whole number of seconds or a decimal one, 0 to `most`.
std::optional<double> parseSeconds(const QString& text, double most);

} // namespace linknode
