// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings.h"

#include <QString>

class PELORIN1;

// The start-up sequence up to the windows: program folder, settings file, collection, piece
// set, initial state, figures, a random figure shown. A collection asked for on the command
// line comes first; a collection that cannot be loaded is reported and the next one tried,
// down to the default one. Returns the settings read, or nullopt when the game cannot start
// (the player has been told why).
std::optional<Settings> StartUp(PELORIN1& game, const QString& programFolder,
                                const QString& requestedCollection = {});

// The player's file of solved figures, in the per-user data folder the system names for the
// game; empty when it names none.
QString SolvedFiguresFile();

// The shutdown commands sent when the main window closes.
void ShutDown(PELORIN1& game);
