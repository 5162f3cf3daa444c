// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fixtures.h"

#include <Qt>

class QWidget;

// Collections for the browse and print pages.
namespace BrowseFixtures {

// count figures of the synthetic piece set: seven squares on a 4 x 2 grid, except the figures
// listed in stacked, whose pieces all lie on one square.
QByteArray squaresCollection(int count, const QList<int>& stacked = {});

// Leafs through a window of figure pages as the player does: the keys, then the wheel over
// the picture turned by the given notches (negative: towards the player, down the pages).
void leaf(QWidget* window, QWidget* picture, const QList<Qt::Key>& keys, int notches);

} // namespace BrowseFixtures
