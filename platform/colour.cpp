// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour.h"

#include <array>

ColourValue QBColor(int index) {
    static constexpr std::array<ColourValue, 16> palette = {
        RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
        RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
        RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};
    return palette.at(static_cast<std::size_t>(index & 15));
}
