#include "cli/run/arguments.h"

namespace linknode {

std::optional<OutputFormat> parseFormat(const QString& text)
{
    if (text == QLatin1String("table"))
        return OutputFormat::Table;
    if (text == QLatin1String("json"))
        return OutputFormat::Json;
    if (text == QLatin1String("csv"))
        return OutputFormat::Csv;
    return std::nullopt;
}

std::optional<double> parseSeconds(const QString& text, double most)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds >= 0) || seconds > most)
        return std::nullopt;
    return seconds;
}

} // namespace linknode
