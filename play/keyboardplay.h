#pragma once

class PELORIN1;

// The board's key handler (Windows virtual-key code; shift bits 1 Shift, 2 Ctrl, 4 Alt).
// Tab turns the keyboard piece unless the pointer holds one; arrows and keypad 2/4/6/8
// nudge it by 1 pixel, 5 with Shift alone, and Ctrl alone nudges all seven pieces. Every
// other key redraws the board. Nudges are free: no bounds and no sound; like a drop, a
// nudge that completes the figure is congratulated.
void KeyDown(PELORIN1& game, int keyCode, int shift);
