#pragma once

#include "settings.h"

class QWidget;

// Puts the main window and the panel where the settings file says, or side by side, the
// panel to the right, when no position is stored or a stored one lies off every screen.
void PlaceWindows(QWidget& main, QWidget& panel, const Settings& settings);

// The left and top of the panel and of the main window in twips, as Exit stores them.
std::array<float, 4> WindowPositions(const QWidget& main, const QWidget& panel);
