#pragma once

class QComboBox;

namespace linknode {

// Keeps the popup of `combo` at least as wide as its widest item, however narrow the box
// itself is, so that choices which differ only at their ends can be told apart. The width
// follows the items as they are added, removed or renamed, and the font as it changes.
void widenPopupToItems(QComboBox& combo);

// An editable box too narrow for the text it holds (a Wiegand format, a display mode) shows
// the whole text in its tool tip, after the tip it was given.
void tellCutTextInTip(QComboBox& combo);

} // namespace linknode
