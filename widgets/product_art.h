#pragma once

#include <QPixmap>
#include <QSize>

namespace linknode {

// Pictures drawn in code, so they stay sharp at any screen scale. Each returns a transparent
// pixmap of logicalSize * devicePixelRatio device pixels with that ratio set; the artwork is
// scaled to fit and centred.

inline constexpr int kFirstProductPicture = 1;
inline constexpr int kLastProductPicture = 15;
inline constexpr QSize kProductPictureSize { 40, 30 };
inline constexpr QSize kIconSize { 16, 16 };

// The product picture of model index 1..15 (`PIC_PROD(index)`): 1 a bare board, 2 Keyra,
// 3 Pelix, 4 a plain serial converter, 5 ConduitBioscrypt, 6 Conduit V2, 7 Conduit V3,
// 8 QD Panorama, 9 KRT-40/NX V5, 10 ConduitQuillmark, 11 QD-71R, 12 Conduit V4 gateway,
// 13 Rotagate, 14 KRT-40/NX V6, 15 KRT-40/NX V6 Cloud. Other indexes give a null pixmap.
QPixmap productPicture(int index, QSize logicalSize, qreal devicePixelRatio);

QPixmap encryptedPicture(QSize logicalSize, qreal devicePixelRatio); // padlock
QPixmap warningPicture(QSize logicalSize, qreal devicePixelRatio); // triangle with "!"
QPixmap auxPortPicture(QSize logicalSize, qreal devicePixelRatio); // DB9 serial connector
QPixmap ntpPicture(QSize logicalSize, qreal devicePixelRatio); // clock face
QPixmap prefixPicture(QSize logicalSize, qreal devicePixelRatio); // "#" on a fingerprint
QPixmap networkPicture(QSize logicalSize, qreal devicePixelRatio); // RJ45 socket

} // namespace linknode
