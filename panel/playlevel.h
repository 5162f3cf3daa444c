// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PELORIN1;

// The three play levels. Each does nothing when its level is already current; a real change
// redraws what the level shows, tells the player with a sound and unlocks the board.
void Normal_Play(PELORIN1& game);
void Easy_Play(PELORIN1& game);
void VeryEasy_Play(PELORIN1& game);

// Turns the sound cues on or off; true when they are now on.
bool ToggleSound(PELORIN1& game);
