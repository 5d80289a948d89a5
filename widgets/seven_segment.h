#pragma once

#include <QImage>

namespace linknode {

// Pictures of the counter display: 0..9 the digits, then the blank digit and the dash.
inline constexpr int kBlankDigit = 10;
inline constexpr int kDashDigit = 11;
inline constexpr int kDigitPictureCount = 12;
inline constexpr int kDigitWidth = 16;
inline constexpr int kDigitHeight = 21;

// Lit segments are pure green with dim green edges, unlit ones a faint green, on black.
inline constexpr QRgb kSegmentLit = 0xff00ff00;
inline constexpr QRgb kSegmentEdge = 0xff005000;

// A 16 x 21 pixel, 24-bit seven-segment picture of `index` (0..11).
QImage sevenSegmentPicture(int index);

} // namespace linknode
