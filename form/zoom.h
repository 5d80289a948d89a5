#pragma once

#include <QRect>
#include <QString>
#include <iterator>
#include <optional>

// The window's zoom: every position, size and font of the design scaled together, so that a
// larger font never makes captions overlap.
namespace linknode {

inline constexpr int kZoomSteps[] = { 100, 125, 150, 175, 200 };
inline constexpr int kSmallestZoom = kZoomSteps[0];
inline constexpr int kLargestZoom = kZoomSteps[std::size(kZoomSteps) - 1];

// The percentage `--zoom` gives; none when it is not a whole number from 100 to 200.
std::optional<int> zoomPercent(const QString& text);

// The step above `percent` (Ctrl+plus), the step below it (Ctrl+minus); the largest and the
// smallest stay where they are.
int zoomedIn(int percent);
int zoomedOut(int percent);

// A rectangle of the design, in twips, in pixels at `percent`. Controls that meet or lie one
// inside the other at the design size do so at every zoom.
QRect zoomedPixels(const QRect& twips, int percent);
// Pixels at `percent` back in the design's twips; exact at 100 %.
QRect designTwips(const QRect& pixels, int percent);

} // namespace linknode
