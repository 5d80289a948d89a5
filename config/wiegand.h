#pragma once

#include <string>
#include <string_view>
#include <vector>

// The Wiegand reader formats of the Wiegand selector.
namespace linknode {

// The selector's items in list order, each a caret command, blank(s) and a description.
const std::vector<std::string>& wiegandItems();

// What the selector shows for a device's Wiegand code: the first item that contains the
// code, or the bare code when none does ("" stays "").
std::string wiegandSelectorText(std::string_view code);

} // namespace linknode
