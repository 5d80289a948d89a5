#include "discovery/list_alignment.h"

#include "core/text_fields.h"

namespace linknode {

int alignedCommaPosition(std::string_view record)
{
    const size_t comma = record.find(',');
    if (comma == std::string_view::npos)
        return 0;
    return static_cast<int>(trimBlanks(record.substr(0, comma)).size()) + 1;
}

std::string alignedLine(std::string_view record, int width)
{
    const size_t comma = record.find(',');
    if (comma == std::string_view::npos)
        return std::string(record);
    std::string line(trimBlanks(record.substr(0, comma)));
    const int blanks = width - 1 - static_cast<int>(line.size());
    if (blanks > 0)
        line.append(static_cast<size_t>(blanks), ' ');
    line.append(record.substr(comma));
    return line;
}

} // namespace linknode
