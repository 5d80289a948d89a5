#include "form/zoom.h"

#include "form/layout_table.h"

#include <algorithm>

namespace linknode {

namespace {
    int toTwips(int pixels, int percent)
    {
        return pixels * twipsPerPixel * 100 / percent;
    }

    // An edge at the design size moved to `percent`: edges that meet stay met, and one that
    // lies inside another stays inside.
    int zoomedEdge(int pixels, int percent)
    {
        return pixels * percent / 100;
    }
}

std::optional<int> zoomPercent(const QString& text)
{
    bool number = false;
    const int percent = text.trimmed().toInt(&number);
    if (!number || percent < kSmallestZoom || percent > kLargestZoom)
        return std::nullopt;
    return percent;
}

int zoomedIn(int percent)
{
    const auto* above = std::ranges::upper_bound(kZoomSteps, percent);
    return above == std::end(kZoomSteps) ? kLargestZoom : *above;
}

int zoomedOut(int percent)
{
    const auto* atOrAbove = std::ranges::lower_bound(kZoomSteps, percent);
    return atOrAbove == std::begin(kZoomSteps) ? kSmallestZoom : *(atOrAbove - 1);
}

QRect zoomedPixels(const QRect& twips, int percent)
{
    // At the design size each part is cut down to pixels on its own, as the window has always
    // been drawn; a zoom scales those pixels' edges.
    const QRect design(twips.x() / twipsPerPixel, twips.y() / twipsPerPixel,
        twips.width() / twipsPerPixel, twips.height() / twipsPerPixel);
    const int left = zoomedEdge(design.x(), percent);
    const int top = zoomedEdge(design.y(), percent);
    return { left, top, zoomedEdge(design.x() + design.width(), percent) - left,
        zoomedEdge(design.y() + design.height(), percent) - top };
}

QRect designTwips(const QRect& pixels, int percent)
{
    return { toTwips(pixels.x(), percent), toTwips(pixels.y(), percent),
        toTwips(pixels.width(), percent), toTwips(pixels.height(), percent) };
}

} // namespace linknode
