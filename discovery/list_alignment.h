#pragma once

#include <string>
#include <string_view>

namespace linknode {

// 1-based position of the first comma in the list line of a record at the narrowest width:
// the MAC without its blanks, then the comma. 0 when the record has no comma.
int alignedCommaPosition(std::string_view record);

// The list line of a record: its MAC, then blanks up to `width` - 1 characters, then the
// record from its first comma on, so the first commas of all lines stand in one column.
// A record without a comma is listed as it is.
std::string alignedLine(std::string_view record, int width);

} // namespace linknode
