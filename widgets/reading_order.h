#pragma once

#include <QList>

class QWidget;

namespace linknode {

// Controls of one container in the order a reader takes them: row by row from the top, each
// row from the left. A control is on a row when its top lies within half a height (the lower
// of the two) of the row's first control, so a label and the box beside it, a few pixels
// apart, share a row while a frame beside two rows of switches takes only the first.
QList<QWidget*> inReadingOrder(QList<QWidget*> controls);

} // namespace linknode
