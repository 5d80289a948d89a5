#include "widgets/product_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cstdint>

namespace linknode {

namespace {

    // Artwork is drawn on a fixed grid of design units: 40 x 30 for products, 16 x 16 for
    // icons. At the usual sizes one unit is one pixel, so edges sit on whole units and stay
    // crisp at 1x; higher ratios only add detail to the same shapes.
    constexpr QSizeF kProductGrid { 40, 30 };
    constexpr QSizeF kIconGrid { 16, 16 };

    using Artwork = void (*)(QPainter&);

    QPixmap render(QSize logicalSize, qreal dpr, QSizeF grid, Artwork draw)
    {
        QPixmap pixmap(logicalSize * dpr);
        if (pixmap.isNull())
            return pixmap;
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const qreal scale
            = std::min(logicalSize.width() / grid.width(), logicalSize.height() / grid.height());
        p.translate((logicalSize.width() - grid.width() * scale) / 2,
            (logicalSize.height() - grid.height() * scale) / 2);
        p.scale(scale, scale);
        p.setPen(Qt::NoPen);
        draw(p);
        return pixmap;
    }

    QColor rgb(QRgb value)
    {
        return QColor::fromRgb(value);
    }

    const QColor kMakerBlue = rgb(0x1e5aa8);
    const QColor kCharcoal = rgb(0x33383e);
    const QColor kSilver = rgb(0xb4bbc3);
    const QColor kBeige = rgb(0xd9d0b8);
    const QColor kGold = rgb(0xd9a92e);
    const QColor kLedRed = rgb(0xff2a1a);
    const QColor kLedRedOff = rgb(0x2c0906);
    const QColor kLedGreen = rgb(0x36e05a);
    const QColor kLedAmber = rgb(0xffa020);

    QLinearGradient shaded(const QRectF& r, const QColor& color)
    {
        QLinearGradient gradient(r.topLeft(), r.bottomLeft());
        gradient.setColorAt(0, color.lighter(122));
        gradient.setColorAt(1, color.darker(112));
        return gradient;
    }

    // A housing: a one-unit darker rim around a face lit from above.
    void casing(QPainter& p, const QRectF& r, qreal radius, const QColor& color)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(color.darker(185));
        p.drawRoundedRect(r, radius, radius);
        const QRectF face = r.adjusted(1, 1, -1, -1);
        p.setBrush(shaded(face, color));
        p.drawRoundedRect(face, std::max(0.0, radius - 1), std::max(0.0, radius - 1));
    }

    void screen(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom)
    {
        p.fillRect(r, rgb(0x202226));
        const QRectF glass = r.adjusted(1, 1, -1, -1);
        QLinearGradient gradient(glass.topLeft(), glass.bottomLeft());
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        p.fillRect(glass, gradient);
    }

    void led(QPainter& p, QPointF centre, qreal radius, const QColor& color)
    {
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0, color.lighter(160));
        glow.setColorAt(0.6, color);
        glow.setColorAt(1, color.darker(160));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius, radius);
    }

    void keypad(QPainter& p, QPointF origin, int cols, int rows, QSizeF key, const QColor& color)
    {
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                const QRectF r(origin.x() + col * (key.width() + 1),
                    origin.y() + row * (key.height() + 1), key.width(), key.height());
                p.fillRect(r, color.darker(150));
                p.fillRect(r.adjusted(0, 0, 0, -key.height() / 3), color);
            }
        }
    }

    // An RJ45 socket seen from the front: metal frame, dark opening with the latch notch at
    // the bottom and the gold contacts at the top.
    void rj45(QPainter& p, const QRectF& r)
    {
        p.fillRect(r, rgb(0x6f767e));
        p.fillRect(r.adjusted(0.5, 0.5, -0.5, -0.5), kSilver);
        const QRectF hole = r.adjusted(1, 1, -1, -2);
        const qreal notch = hole.width() / 3;
        QPainterPath opening;
        opening.addRect(hole);
        opening.addRect(QRectF(hole.left() + notch, hole.bottom() - 0.5, notch, 1.5));
        p.setBrush(rgb(0x15171a));
        p.drawPath(opening.simplified());
        p.fillRect(
            QRectF(hole.left() + 0.5, hole.top(), hole.width() - 1, hole.height() / 4), kGold);
    }

    // A DB9 shell: the D-shaped metal skirt, the dark insulator and its 5 + 4 pins.
    void db9(QPainter& p, const QRectF& r)
    {
        const auto trapezoid = [](const QRectF& box, qreal slant) {
            return QPolygonF({ box.topLeft(), box.topRight(), box.bottomRight() - QPointF(slant, 0),
                box.bottomLeft() + QPointF(slant, 0) });
        };
        const qreal slant = r.height() * 0.2;
        p.setPen(QPen(rgb(0x5a6068), 1));
        p.setBrush(shaded(r, kSilver));
        p.drawPolygon(trapezoid(r.adjusted(0.5, 0.5, -0.5, -0.5), slant));
        p.setPen(Qt::NoPen);
        const QRectF inner = r.adjusted(
            r.width() * 0.12, r.height() * 0.22, -r.width() * 0.12, -r.height() * 0.22);
        p.setBrush(rgb(0x1d2430));
        p.drawPolygon(trapezoid(inner, slant * 0.8));
        // A shell 14 units wide puts the pins two units apart, on pixel centres at 1x.
        p.setBrush(kGold);
        const qreal pitch = r.width() / 7;
        const qreal pin = pitch * 0.3;
        const QPointF centre = r.center();
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(centre + QPointF((i - 2) * pitch, -pitch / 2), pin, pin);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(centre + QPointF((i - 1.5) * pitch, pitch / 2), pin, pin);
    }

    // Seven-segment text ("0".."9" and ":") with dim unlit segments, as an LED board shows it.
    struct SegmentFont {
        qreal width;
        qreal height;
        qreal stroke;
        QColor on;
        QColor off;
    };

    void segmentDigit(QPainter& p, QPointF at, int digit, const SegmentFont& f)
    {
        static constexpr std::array<std::uint8_t, 10> kLit { 0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d,
            0x7d, 0x07, 0x7f, 0x6f };
        const qreal x = at.x();
        const qreal y = at.y();
        const qreal t = f.stroke;
        const qreal w = f.width;
        const qreal half = (f.height + t) / 2;
        const std::array<QRectF, 7> bars { QRectF(x, y, w, t), QRectF(x + w - t, y, t, half),
            QRectF(x + w - t, y + f.height - half, t, half), QRectF(x, y + f.height - t, w, t),
            QRectF(x, y + f.height - half, t, half), QRectF(x, y, t, half),
            QRectF(x, y + (f.height - t) / 2, w, t) };
        for (const QRectF& bar : bars)
            p.fillRect(bar, f.off);
        for (size_t s = 0; s < bars.size(); ++s)
            if ((kLit.at(static_cast<size_t>(digit)) >> s) & 1U)
                p.fillRect(bars[s], f.on);
    }

    void segmentText(QPainter& p, QPointF at, QLatin1StringView text, const SegmentFont& f)
    {
        qreal x = at.x();
        for (const char c : text) {
            if (c == ':') {
                const qreal third = f.height / 3;
                p.fillRect(QRectF(x, at.y() + third - f.stroke / 2, f.stroke, f.stroke), f.on);
                p.fillRect(QRectF(x, at.y() + 2 * third - f.stroke / 2, f.stroke, f.stroke), f.on);
                x += f.stroke + 1;
            } else {
                segmentDigit(p, QPointF(x, at.y()), c - '0', f);
                x += f.width + 1;
            }
        }
    }

    // Concentric ridges, each broken somewhere else, so it reads as a print and not a target.
    void fingerprint(QPainter& p, const QRectF& r, int ridges, const QColor& color, qreal width)
    {
        static constexpr std::array<int, 6> kGapAt { 250, 20, 300, 140, 60, 200 };
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QPointF centre = r.center();
        for (int i = 0; i < ridges; ++i) {
            const qreal k = (i + 0.6) / ridges;
            const QRectF ring(centre.x() - r.width() / 2 * k, centre.y() - r.height() / 2 * k,
                r.width() * k, r.height() * k);
            const int gap = kGapAt.at(static_cast<size_t>(i) % kGapAt.size());
            p.drawArc(ring, (gap + 35) * 16, 320 * 16);
        }
        p.setPen(Qt::NoPen);
    }

    void badge(QPainter& p, const QRectF& r, const QString& text, const QColor& color)
    {
        casing(p, r, 2, color);
        QFont font;
        font.setPixelSize(qRound(r.height() - 2));
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, text);
        p.setPen(Qt::NoPen);
    }

    void cable(QPainter& p, QPointF from, QPointF to)
    {
        QPainterPath path(from);
        const qreal midX = (from.x() + to.x()) / 2;
        path.cubicTo(QPointF(midX, from.y() + 4), QPointF(midX, to.y() + 4), to);
        p.setPen(QPen(rgb(0x2a2a2a), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
    }

    // ---- product pictures ---------------------------------------------------------------

    void bareBoard(QPainter& p)
    {
        casing(p, QRectF(2, 5, 36, 20), 1.5, rgb(0x2f8a3c));
        for (const QPointF hole :
            { QPointF(5, 8), QPointF(35, 8), QPointF(5, 22), QPointF(35, 22) }) {
            p.setBrush(kGold);
            p.drawEllipse(hole, 1.5, 1.5);
            p.setBrush(rgb(0x1b3d20));
            p.drawEllipse(hole, 0.7, 0.7);
        }
        for (int i = 0; i < 5; ++i) {
            p.fillRect(QRectF(10 + 2 * i, 9, 1, 1), kSilver);
            p.fillRect(QRectF(10 + 2 * i, 20, 1, 1), kSilver);
        }
        p.fillRect(QRectF(9, 10, 11, 10), rgb(0x1c1c1e));
        p.fillRect(QRectF(23, 9, 6, 5), rgb(0x1c1c1e));
        p.setBrush(shaded(QRectF(23, 17, 6, 3), kSilver));
        p.drawRoundedRect(QRectF(23, 17, 6, 3), 1.5, 1.5);
        p.fillRect(QRectF(31, 10, 3, 11), rgb(0x1c1c1e));
        for (int i = 0; i < 5; ++i)
            p.fillRect(QRectF(32, 11 + 2 * i, 1, 1), kGold);
    }

    void keyra(QPainter& p)
    {
        // The door it guards, and the keypad beside it.
        p.fillRect(QRectF(2, 1, 18, 29), rgb(0x4a2f1a));
        p.fillRect(QRectF(4, 3, 14, 27), shaded(QRectF(4, 3, 14, 27), rgb(0xa8743a)));
        p.setPen(QPen(rgb(0x7c5227), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6.5, 5.5, 9, 8));
        p.drawRect(QRectF(6.5, 17.5, 9, 10));
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(13, 15, 4, 1.5), kGold);
        casing(p, QRectF(24, 4, 12, 23), 1.5, kCharcoal);
        led(p, QPointF(30, 7.5), 1.2, kLedGreen);
        keypad(p, QPointF(26, 11), 3, 4, QSizeF(2, 2), rgb(0xe4e6e8));
    }

    void pelix(QPainter& p)
    {
        // A contactless reader wired to its network gateway.
        casing(p, QRectF(3, 2, 13, 26), 3, kCharcoal);
        p.setPen(QPen(rgb(0x8fd3ff), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QPointF source(6.5, 13);
        for (const qreal radius : { 2.5, 5.0, 7.5 })
            p.drawArc(QRectF(source.x() - radius, source.y() - radius, 2 * radius, 2 * radius),
                -50 * 16, 100 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(0x8fd3ff));
        p.drawEllipse(source, 1, 1);
        led(p, QPointF(9.5, 24), 1.2, kLedGreen);
        cable(p, QPointF(16, 20), QPointF(22, 19));
        casing(p, QRectF(22, 12, 16, 12), 1.5, kMakerBlue);
        rj45(p, QRectF(30, 15, 6, 6));
        led(p, QPointF(25.5, 15.5), 1, kLedAmber);
        led(p, QPointF(25.5, 19.5), 1, kLedGreen);
    }

    void serialConverter(QPainter& p)
    {
        casing(p, QRectF(2, 7, 36, 17), 2, rgb(0x9aa3ad));
        db9(p, QRectF(5, 11, 12, 8));
        led(p, QPointF(21, 12.5), 1, kLedGreen);
        led(p, QPointF(21, 17.5), 1, kLedAmber);
        rj45(p, QRectF(25, 11, 9, 9));
    }

    // The Conduit serial gateways: a blue box with its network socket and a version badge.
    void conduitBox(QPainter& p, const QString& version, const QColor& badgeColor, bool serialPlug)
    {
        casing(p, QRectF(2, 10, 36, 17), 2, kMakerBlue);
        rj45(p, QRectF(5, 14, 9, 9));
        led(p, QPointF(17.5, 15), 1, kLedGreen);
        led(p, QPointF(17.5, 20), 1, kLedAmber);
        if (serialPlug) {
            db9(p, QRectF(22, 14, 13, 9));
        } else {
            // A screw terminal block for the reader wires.
            p.fillRect(QRectF(22, 14, 13, 8), rgb(0x1f7a3a));
            p.setBrush(kSilver);
            for (int i = 0; i < 4; ++i)
                p.drawEllipse(QPointF(24 + 3 * i, 18), 1.1, 1.1);
        }
        badge(p, QRectF(25, 1, 14, 9), version, badgeColor);
    }

    void conduitV2(QPainter& p)
    {
        conduitBox(p, QStringLiteral("V2"), rgb(0xe07818), false);
    }
    void conduitV3(QPainter& p)
    {
        conduitBox(p, QStringLiteral("V3"), rgb(0x2a9d48), true);
    }

    void conduitV4(QPainter& p)
    {
        // The sensor gateway: radio antenna on top, network socket in front.
        p.fillRect(QRectF(5, 2, 2, 11), rgb(0x202020));
        p.setBrush(rgb(0x202020));
        p.drawRoundedRect(QRectF(4.5, 1, 3, 3), 1.5, 1.5);
        p.setPen(QPen(rgb(0x3a8ee8), 1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (const qreal radius : { 3.0, 5.5 })
            p.drawArc(QRectF(6 - radius, 2.5 - radius, 2 * radius, 2 * radius), -40 * 16, 80 * 16);
        p.setPen(Qt::NoPen);
        casing(p, QRectF(2, 12, 36, 16), 2, kMakerBlue);
        rj45(p, QRectF(5, 15, 9, 9));
        led(p, QPointF(18, 17), 1, kLedGreen);
        led(p, QPointF(18, 22), 1, rgb(0x3a8ee8));
        badge(p, QRectF(25, 1, 14, 9), QStringLiteral("V4"), rgb(0xb02a6a));
    }

    void conduitBioscrypt(QPainter& p)
    {
        // A fingerprint reader wired to a small gateway.
        casing(p, QRectF(3, 1, 16, 28), 3, kCharcoal);
        p.setBrush(rgb(0x0e1420));
        p.drawRoundedRect(QRectF(6, 8, 10, 14), 3, 3);
        fingerprint(p, QRectF(7, 9, 8, 12), 3, rgb(0xff5a3c), 1);
        led(p, QPointF(11, 4.5), 1, kLedGreen);
        cable(p, QPointF(19, 20), QPointF(24, 20));
        casing(p, QRectF(24, 14, 14, 12), 1.5, kMakerBlue);
        rj45(p, QRectF(29, 17, 6, 6));
    }

    void conduitQuillmark(QPainter& p)
    {
        // A fingerprint terminal: screen above, sensor below, one light body.
        casing(p, QRectF(9, 1, 22, 28), 2.5, rgb(0xe8ebee));
        screen(p, QRectF(12, 3, 16, 9), rgb(0x5ab0ff), rgb(0x1a4fa0));
        p.fillRect(QRectF(14, 6, 8, 1), rgb(0xdcefff));
        p.fillRect(QRectF(14, 8, 11, 1), rgb(0xdcefff));
        p.setBrush(rgb(0x2a2d33));
        p.drawRoundedRect(QRectF(15, 14, 10, 13), 3, 3);
        fingerprint(p, QRectF(16, 15, 8, 11), 3, rgb(0x9fb4c8), 1);
    }

    void rotagate(QPainter& p)
    {
        // A tripod turnstile: the pedestal and its three arms.
        p.fillRect(QRectF(3, 27, 16, 2), rgb(0x3a3a3a));
        const QPolygonF pedestal(
            { QPointF(5, 10), QPointF(17, 6), QPointF(17, 27), QPointF(5, 27) });
        p.setPen(QPen(rgb(0x59616b), 1));
        p.setBrush(shaded(pedestal.boundingRect(), rgb(0xc6ccd3)));
        p.drawPolygon(pedestal);
        p.setPen(Qt::NoPen);
        led(p, QPointF(11, 10.5), 1.3, kLedGreen);
        const QPointF hub(19, 14);
        const auto arm = [&](QPointF tip, const QColor& color) {
            p.setPen(QPen(color.darker(160), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(hub, tip);
            p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(hub, tip);
        };
        arm(QPointF(24, 4), rgb(0x9aa1a9));
        arm(QPointF(26, 25), rgb(0xd7dce1));
        arm(QPointF(37, 14), rgb(0xe6eaee));
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(0x2b2f35));
        p.drawEllipse(hub, 2.2, 2.2);
    }

    void qdPanorama(QPainter& p)
    {
        // A long LED board hanging from two brackets.
        p.fillRect(QRectF(8, 5, 1.5, 5), rgb(0x6b727a));
        p.fillRect(QRectF(30.5, 5, 1.5, 5), rgb(0x6b727a));
        casing(p, QRectF(1, 9, 38, 13), 1, rgb(0x2a2a2a));
        p.fillRect(QRectF(2, 10, 36, 11), rgb(0x0c0c0c));
        segmentText(
            p, QPointF(4, 12), QLatin1StringView("12:34:56"), { 4, 7, 1, kLedRed, kLedRedOff });
    }

    void qd71r(QPainter& p)
    {
        // A wall clock: a deep aluminium frame around big red digits.
        casing(p, QRectF(3, 3, 34, 24), 2.5, rgb(0xaeb5bd));
        p.fillRect(QRectF(5, 5, 30, 20), rgb(0x0c0c0c));
        segmentText(
            p, QPointF(7, 9), QLatin1StringView("12:30"), { 5, 12, 1.5, kLedRed, kLedRedOff });
    }

    void krtV5(QPainter& p)
    {
        // The classic wall terminal: a wide beige body, green text display beside a 4 x 4
        // keypad, and the badge reader slot below the display.
        casing(p, QRectF(2, 5, 36, 21), 2, kBeige);
        screen(p, QRectF(4, 7, 16, 10), rgb(0xb6d65c), rgb(0x7fa33a));
        p.fillRect(QRectF(6, 9, 9, 1), rgb(0x2e3a18));
        p.fillRect(QRectF(6, 12, 12, 1), rgb(0x2e3a18));
        p.fillRect(QRectF(4, 20, 16, 2), rgb(0x4a4538));
        led(p, QPointF(5.5, 24), 0.9, kLedGreen);
        keypad(p, QPointF(22, 8), 4, 4, QSizeF(2.5, 3), rgb(0x6a6e74));
    }

    // The newer terminal: black body, wide colour screen, round-cornered silver keys.
    void krtV6At(QPainter& p, qreal x)
    {
        casing(p, QRectF(x, 1, 22, 28), 3, kCharcoal);
        screen(p, QRectF(x + 2, 3, 18, 11), rgb(0x4fb8ff), rgb(0x1b3f9a));
        p.fillRect(QRectF(x + 4, 6, 9, 1), Qt::white);
        p.fillRect(QRectF(x + 4, 9, 12, 1), rgb(0xbfe3ff));
        keypad(p, QPointF(x + 4, 16), 3, 4, QSizeF(4, 2), rgb(0xc9d0d8));
    }

    void krtV6(QPainter& p)
    {
        krtV6At(p, 9);
    }

    void krtV6Cloud(QPainter& p)
    {
        krtV6At(p, 3);
        QPainterPath cloud;
        cloud.addEllipse(QRectF(22, 5, 8, 7));
        cloud.addEllipse(QRectF(26, 1, 10, 10));
        cloud.addEllipse(QRectF(32, 5, 7, 7));
        cloud.addRoundedRect(QRectF(24, 7, 13, 5), 2.5, 2.5);
        p.setPen(QPen(Qt::white, 2.5));
        p.setBrush(Qt::NoBrush);
        cloud.setFillRule(Qt::WindingFill);
        cloud = cloud.simplified();
        p.drawPath(cloud);
        p.setPen(QPen(kMakerBlue, 1.2));
        p.setBrush(rgb(0xf2f8ff));
        p.drawPath(cloud);
        p.setPen(Qt::NoPen);
    }

    constexpr std::array<Artwork, kLastProductPicture> kProducts { bareBoard, keyra, pelix,
        serialConverter, conduitBioscrypt, conduitV2, conduitV3, qdPanorama, krtV5,
        conduitQuillmark, qd71r, conduitV4, rotagate, krtV6, krtV6Cloud };

    // ---- icons --------------------------------------------------------------------------

    void padlock(QPainter& p)
    {
        p.setPen(QPen(rgb(0x7d848c), 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath shackle(QPointF(4.5, 8));
        shackle.lineTo(4.5, 5.5);
        shackle.arcTo(QRectF(4.5, 2, 7, 7), 180, -180);
        shackle.lineTo(11.5, 8);
        p.drawPath(shackle);
        p.setPen(QPen(rgb(0x8a6410), 1));
        p.setBrush(shaded(QRectF(2, 7, 12, 8), rgb(0xf0bd34)));
        p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(0x3a2a08));
        p.drawEllipse(QPointF(8, 10.2), 1.3, 1.3);
        p.fillRect(QRectF(7.4, 10.5, 1.2, 2.5), rgb(0x3a2a08));
    }

    void warningTriangle(QPainter& p)
    {
        p.setPen(QPen(rgb(0x9a6e00), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shaded(QRectF(1, 1, 14, 14), rgb(0xffcc1a)));
        p.drawPolygon(QPolygonF({ QPointF(8, 1.5), QPointF(15, 14.5), QPointF(1, 14.5) }));
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(7, 5, 2, 5.5), rgb(0x1a1a1a));
        p.fillRect(QRectF(7, 11.5, 2, 2), rgb(0x1a1a1a));
    }

    void auxPort(QPainter& p)
    {
        db9(p, QRectF(0.5, 3, 15, 9));
    }

    void clockFace(QPainter& p)
    {
        p.setPen(QPen(rgb(0x2a5caa), 1.5));
        p.setBrush(shaded(QRectF(1, 1, 14, 14), rgb(0xf4f6f8)));
        p.drawEllipse(QPointF(8, 8), 6.75, 6.75);
        p.setPen(Qt::NoPen);
        for (const QRectF tick : { QRectF(7.5, 2.5, 1, 1.5), QRectF(7.5, 12, 1, 1.5),
                 QRectF(2.5, 7.5, 1.5, 1), QRectF(12, 7.5, 1.5, 1) })
            p.fillRect(tick, rgb(0x33383e));
        p.setPen(QPen(rgb(0x1a1a1a), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.8));
        p.drawLine(QPointF(8, 8), QPointF(5.2, 6.2));
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(0xd02020));
        p.drawEllipse(QPointF(8, 8), 1, 1);
    }

    void prefixMark(QPainter& p)
    {
        fingerprint(p, QRectF(0.5, 0.5, 12, 15), 3, rgb(0x8a6a48), 1.2);
        const auto hash = [&](const QColor& color, qreal width) {
            p.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap));
            p.drawLine(QPointF(10.5, 7), QPointF(9.5, 15));
            p.drawLine(QPointF(13.5, 7), QPointF(12.5, 15));
            p.drawLine(QPointF(8, 9.5), QPointF(15, 9.5));
            p.drawLine(QPointF(8, 12.5), QPointF(15, 12.5));
        };
        hash(Qt::white, 3);
        hash(kMakerBlue, 1.3);
        p.setPen(Qt::NoPen);
    }

    void networkJack(QPainter& p)
    {
        casing(p, QRectF(1, 2, 14, 12), 1.5, kSilver);
        QPainterPath opening;
        opening.addRect(QRectF(3, 4, 10, 6));
        opening.addRect(QRectF(5.5, 9, 5, 3));
        p.setBrush(rgb(0x15171a));
        p.drawPath(opening.simplified());
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(4 + 2.4 * i, 4, 1, 2), kGold);
    }

} // namespace

QPixmap productPicture(int index, QSize logicalSize, qreal devicePixelRatio)
{
    if (index < kFirstProductPicture || index > kLastProductPicture)
        return {};
    return render(logicalSize, devicePixelRatio, kProductGrid,
        kProducts.at(static_cast<size_t>(index - kFirstProductPicture)));
}

QPixmap encryptedPicture(QSize logicalSize, qreal devicePixelRatio)
{
    return render(logicalSize, devicePixelRatio, kIconGrid, padlock);
}

QPixmap warningPicture(QSize logicalSize, qreal devicePixelRatio)
{
    return render(logicalSize, devicePixelRatio, kIconGrid, warningTriangle);
}

QPixmap auxPortPicture(QSize logicalSize, qreal devicePixelRatio)
{
    return render(logicalSize, devicePixelRatio, kIconGrid, auxPort);
}

QPixmap ntpPicture(QSize logicalSize, qreal devicePixelRatio)
{
    return render(logicalSize, devicePixelRatio, kIconGrid, clockFace);
}

QPixmap prefixPicture(QSize logicalSize, qreal devicePixelRatio)
{
    return render(logicalSize, devicePixelRatio, kIconGrid, prefixMark);
}

QPixmap networkPicture(QSize logicalSize, qreal devicePixelRatio)
{
    return render(logicalSize, devicePixelRatio, kIconGrid, networkJack);
}

} // namespace linknode
