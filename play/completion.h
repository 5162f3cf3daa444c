// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PELORIN1;

// Runs after every move of a piece (a drop, a turn, a keyboard nudge): asks the fit check
// whether the pieces form the current figure (never while the board holds a copied
// arrangement) and, when they do, runs the success sequence. Returns whether the figure was
// completed.
bool CheckCompletion(PELORIN1& game);

// The success sequence: the figure remembered as solved, "clap4", the congratulation, pieces home,
// the next figure (wrapping after the last), orientation bookkeeping, and the board enabled again.
void CelebrateFigure(PELORIN1& game);
