#pragma once

class QComboBox;

namespace linknode {

// Keeps the popup of `combo` at least as wide as its widest item, however narrow the box
// itself is, so that choices which differ only at their ends can be told apart. The width
// follows the items as they are added, removed or renamed.
void widenPopupToItems(QComboBox& combo);

} // namespace linknode
