// SPDX-License-Identifier: GPL-3.0-or-later
#include "completion.h"

#include "puzzle/pelorin1.h"

#include <QCoreApplication>

bool CheckCompletion(PELORIN1& game) {
    game.Covered = 0;
    if (game.CopiedFlag == 0)
        game.CheckFit();
    if (game.Covered != 1)
        return false;
    CelebrateFigure(game);
    return true;
}

void CelebrateFigure(PELORIN1& game) {
    game.MarkSolved(game.CurrentFigure);
    game.PlaySound(QStringLiteral("clap4"));
    game.messages.MsgBox(
        {QCoreApplication::translate("Completion", "You got it - congratulations")});
    game.ResetPieces();
    game.CurrentFigure += 1;
    if (game.CurrentFigure > game.FigureCount)
        game.CurrentFigure = 1;
    game.ShowFigure();
    for (int i = 0; i < PELORIN1::Pieces; ++i)
        game.CheckOrientation(i);
    game.surfaces.board.setEnabled(true);
}
