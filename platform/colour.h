// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

// Colour values are kept as 0x00BBGGRR (blue in the high byte), the layout the collection
// and the game's tables use. QRgb is 0xAARRGGBB; the two meet only in this header.
using ColourValue = std::uint32_t;

constexpr ColourValue RGB(int r, int g, int b) {
    return static_cast<ColourValue>(r) | (static_cast<ColourValue>(g) << 8) |
           (static_cast<ColourValue>(b) << 16);
}

// The classic 16-colour palette, indexed 0 to 15.
ColourValue QBColor(int index);

constexpr QRgb toQRgb(ColourValue c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr ColourValue fromQRgb(QRgb c) {
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

inline QColor toQColor(ColourValue c) {
    return QColor::fromRgb(toQRgb(c));
}
