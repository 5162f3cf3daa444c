// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PELORIN1;
class QWidget;

// The panel's Exit: stores the collection's name and both window positions in the settings
// file, stops the sounds, then closes the main window (which ends the game) and the panel.
// A settings file that cannot be written is reported; the game still ends.
void ExitGame(PELORIN1& game, QWidget& main, QWidget& panel);
