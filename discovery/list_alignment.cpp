#include "discovery/list_alignment.h"

#include "core/text_fields.h"

namespace linknode {

int firstCommaPosition(std::string_view record)
{
    const size_t comma = record.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(comma) + 1;
}

std::string alignedLine(std::string_view record, int width)
{
    const int comma = firstCommaPosition(record);
    if (comma == 0)
        return std::string(record);
    const std::string mac = GET_PAR(record, 0, ",");
    std::string line = mac;
    const int blanks = width - 1 - static_cast<int>(mac.size());
    if (blanks > 0)
        line.append(static_cast<size_t>(blanks), ' ');
    line.append(record.substr(static_cast<size_t>(comma - 1)));
    return line;
}

} // namespace linknode
