// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings.h"

class QWidget;

// Puts the main window and the panel where the settings file says, or side by side, the
// panel to the right, when no position is stored or a stored one lies off every screen.
void PlaceWindows(QWidget& main, QWidget& panel, const Settings& settings);

// The left and top of the panel's and the main window's client areas in twips, as Exit
// stores them and PlaceWindows puts them back.
std::array<float, 4> WindowPositions(const QWidget& main, const QWidget& panel);

// Puts a window the player opens from the panel where it hides neither the panel nor the
// main window: beside the panel or beside the main window, wholly on a screen. Where there
// is no such room it is left where the window manager puts it.
void PlaceBeside(QWidget& window, const QWidget& main, const QWidget& panel);
