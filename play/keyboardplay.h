// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <array>
#include <optional>

class PELORIN1;

// The board's key handler (Windows virtual-key code; shift bits 1 Shift, 2 Ctrl, 4 Alt).
// Tab turns the keyboard piece unless the pointer holds one; arrows and keypad 2/4/6/8
// nudge it by 1 pixel, 5 with Shift alone, and Ctrl alone nudges all seven pieces. The
// digit keys 1 to 7 make pieces 0 to 6 the keyboard piece. Every other key redraws the
// board. Nudges are free: no bounds and no sound; like a drop, a nudge that completes the
// figure is congratulated.
void KeyDown(PELORIN1& game, int keyCode, int shift);

// The outline of the keyboard piece where the board shows it, for a mark drawn over the
// board; nothing while the board is locked on a solved figure or the pointer drags that
// very piece.
std::optional<std::array<QPoint, 4>> KeyPieceMark(const PELORIN1& game);
