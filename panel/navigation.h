// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PELORIN1;

// Makes figure n current and starts it afresh: the target is shown, a copied arrangement is
// forgotten and the pieces go home. A board locked by a solved figure stays locked.
void GoToFigure(PELORIN1& game, int figure);

// The panel's "Select" commands. Left and Right stop at the ends of the collection without a
// sound; First, Last and Random always restart a figure.
enum class FigureStep { First, Left, Right, Last, Random };
void StepToFigure(PELORIN1& game, FigureStep step);
