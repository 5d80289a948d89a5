#pragma once

class QWidget;

namespace linknode {

// Whether a user can see the control: it and every container are shown, some of it lies
// inside its window (controls placed below the bottom edge come into sight when the window is
// enlarged), and it is not wholly behind an opaque control drawn above it (a frame shown over
// another, the device list over the help texts under it). What is out of sight is neither a
// tab stop nor part of what a screen reader is offered.
bool inSight(const QWidget& control);

// Whether nothing behind the control shows through it.
bool opaque(const QWidget& control);

} // namespace linknode
