// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/colour.h"

// Numbers that several parts of the game must agree on, each kept here once.
namespace Measures {

// The board and its hit map, in pixels, and the board's background.
constexpr int BoardWidth = 350;
constexpr int BoardHeight = 390;
constexpr ColourValue BoardBackColour = RGB(226, 218, 196);

// The target pictures, in twips.
constexpr int TargetWidthTwips = 3680;
constexpr int TargetHeightTwips = 4152;
// The figure as the target view shows it must fit the 3500 x 3600 twips drawn there; with
// the drawing offsets of the target that leaves 228 x 226 pixels.
constexpr int TargetViewWidth = 228;
constexpr int TargetViewHeight = 226;

// Appending refuses an arrangement wider or taller than this, in pixels.
constexpr int AppendLimit = 320;
// A piece counts as in its place within this many pixels in x and in y.
constexpr int FitTolerance = 15;
// The most figures a collection holds.
constexpr int MaxFigures = 500;

} // namespace Measures
