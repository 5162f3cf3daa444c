// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// The game's handlers speak the older platform's input codes: Windows virtual-key codes,
// mouse buttons 1 left, 2 right, 4 middle, and modifier bits 1 Shift, 2 Ctrl, 4 Alt.
namespace VirtualKeys {

constexpr int Tab = 9;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Digit1 = 49; // the digits of the main keyboard are their ASCII codes
constexpr int H = 72;      // and the letters those of the capitals
constexpr int Numpad2 = 98;
constexpr int Numpad4 = 100;
constexpr int Numpad6 = 102;
constexpr int Numpad8 = 104;

} // namespace VirtualKeys

namespace MouseButtons {

constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;

} // namespace MouseButtons

// The virtual-key code of a Qt key; 0 for keys without one. Digits typed on the keypad map
// to the keypad codes; Backtab (Shift+Tab on X11) is Tab.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// True for Shift, Ctrl, Alt and the like pressed on their own.
bool IsModifierKey(int qtKey);

// Shift 1, Ctrl 2, Alt 4, summed.
int ShiftBits(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4; 0 for any other button.
int ButtonCode(Qt::MouseButton button);

// The codes of all held buttons, summed.
int ButtonBits(Qt::MouseButtons buttons);
