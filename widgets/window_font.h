#pragma once

#include <QFont>
#include <QStringList>
#include <array>

namespace linknode {

// The layout's sizes were drawn for a compact 8-point sans serif. Liberation Sans has Arial's
// metrics, so every caption takes the room it was drawn for, and the same room on every
// machine (Debian package fonts-liberation2, installed by scripts/install-deps); where it is
// missing, as on Windows, Arial itself. The same for the fixed font and Courier New.
using FontFamilies = std::array<const char*, 2>;
inline constexpr FontFamilies kWindowFontFamilies { "Liberation Sans", "Arial" };
inline constexpr FontFamilies kFixedFontFamilies { "Liberation Mono", "Courier New" };
inline constexpr int kWindowFontPoints = 8;

// The first of `wanted` that `installed` holds; the first of `wanted` when none is, so Qt's
// own stand-in takes its place.
QString chooseFamily(const FontFamilies& wanted, const QStringList& installed);

QFont windowFont();
// For texts that line up in columns (the device list).
QFont fixedFont();

// Makes windowFont() the application's font, before any window is built.
void useWindowFont();

} // namespace linknode
