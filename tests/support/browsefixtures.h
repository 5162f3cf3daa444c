#pragma once

#include "fixtures.h"

// Collections for the browse and print pages.
namespace BrowseFixtures {

// count figures of the synthetic piece set: seven squares on a 4 x 2 grid, except the figures
// listed in stacked, whose pieces all lie on one square.
QByteArray squaresCollection(int count, const QList<int>& stacked = {});

} // namespace BrowseFixtures
