#pragma once

#include <QFont>

namespace linknode {

// The layout's sizes were drawn for a compact 8-point sans serif. Liberation Sans has Arial's
// metrics, so every caption takes the room it was drawn for, and the same room on every
// machine (Debian package fonts-liberation2, installed by scripts/install-deps).
inline constexpr const char* kWindowFontFamily = "Liberation Sans";
inline constexpr const char* kFixedFontFamily = "Liberation Mono";
inline constexpr int kWindowFontPoints = 8;

QFont windowFont();
// For texts that line up in columns (the device list).
QFont fixedFont();

// Makes windowFont() the application's font, before any window is built.
void useWindowFont();

} // namespace linknode
