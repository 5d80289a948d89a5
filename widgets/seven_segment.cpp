#include "widgets/seven_segment.h"

#include <QPainter>
#include <array>
#include <cstdint>

namespace linknode {

namespace {

    constexpr QRgb kUnlitCore = 0xff002400;
    constexpr QRgb kUnlitEdge = 0xff001200;

    // A segment is a one-pixel core line flanked by two edge lines; the core runs one pixel
    // past the edges at both ends, so neighbouring segments meet at their corners.
    struct Segment {
        bool horizontal;
        int x; // core column of a vertical segment, first edge column of a horizontal one
        int y; // core row of a horizontal segment, first edge row of a vertical one
    };
    constexpr int kHorizontalLength = 8;
    constexpr int kVerticalLength = 5;

    //                                    a             b              c
    constexpr std::array<Segment, 7> kSegments { { { true, 4, 2 }, { false, 13, 4 },
        { false, 13, 12 },
        //  d              e              f              g
        { true, 4, 18 }, { false, 2, 12 }, { false, 2, 4 }, { true, 4, 10 } } };

    // Bit s set: segment s (a..g) lit.
    constexpr std::array<std::uint8_t, kDigitPictureCount> kLitSegments { 0b0111111, 0b0000110,
        0b1011011, 0b1001111, 0b1100110, 0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
        0b0000000, 0b1000000 };

    void drawSegment(QPainter& painter, const Segment& s, bool lit)
    {
        const QColor core = QColor::fromRgb(lit ? kSegmentLit : kUnlitCore);
        const QColor edge = QColor::fromRgb(lit ? kSegmentEdge : kUnlitEdge);
        if (s.horizontal) {
            painter.fillRect(s.x, s.y - 1, kHorizontalLength, 1, edge);
            painter.fillRect(s.x, s.y + 1, kHorizontalLength, 1, edge);
            painter.fillRect(s.x - 1, s.y, kHorizontalLength + 2, 1, core);
        } else {
            painter.fillRect(s.x - 1, s.y, 1, kVerticalLength, edge);
            painter.fillRect(s.x + 1, s.y, 1, kVerticalLength, edge);
            painter.fillRect(s.x, s.y - 1, 1, kVerticalLength + 2, core);
        }
    }

} // namespace

QImage sevenSegmentPicture(int index)
{
    QImage picture(kDigitWidth, kDigitHeight, QImage::Format_RGB888);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    const std::uint8_t lit = kLitSegments.at(static_cast<size_t>(index));
    for (size_t s = 0; s < kSegments.size(); ++s)
        drawSegment(painter, kSegments[s], (lit >> s) & 1U);
    return picture;
}

} // namespace linknode
