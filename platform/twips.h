// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Twips per pixel of the primary screen (1440 / logical DPI; 15 at 96 DPI).
double TwipsPerPixelX();
double TwipsPerPixelY();

// Window geometry is given in twips; widgets are placed in pixels.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
