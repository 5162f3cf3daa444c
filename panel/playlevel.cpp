// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlevel.h"

#include "puzzle/pelorin1.h"

#include <QCoreApplication>

namespace {

constexpr std::int16_t Normal = 3;
constexpr std::int16_t Easy = 2;
constexpr std::int16_t VeryEasy = 1;

void finishChange(PELORIN1& game) {
    game.DrawAllPieces();
    game.surfaces.board.setEnabled(true);
}

} // namespace

void Normal_Play(PELORIN1& game) {
    if (game.PlayLevel == Normal)
        return;
    if (game.PlayLevel == VeryEasy) {
        game.PlayLevel = Normal;
        game.ShowFigure(); // the target loses the solution colours
    }
    game.PlayLevel = Normal;
    game.setLevelText(QCoreApplication::translate("PlayLevel", "Play difficulty: NORMAL"));
    game.PlaySound(QStringLiteral("click2"));
    finishChange(game);
}

void Easy_Play(PELORIN1& game) {
    if (game.PlayLevel == Easy)
        return;
    if (game.PlayLevel == VeryEasy) {
        game.PlayLevel = Easy;
        game.ShowFigure();
    }
    game.PlayLevel = Easy;
    for (int i = 0; i < PELORIN1::Pieces; ++i)
        game.CheckOrientation(i);
    game.setLevelText(QCoreApplication::translate("PlayLevel", "Play difficulty: EASY"));
    game.PlaySound(QStringLiteral("click2"));
    finishChange(game);
}

void VeryEasy_Play(PELORIN1& game) {
    if (game.PlayLevel == VeryEasy)
        return;
    game.PlayLevel = VeryEasy;
    game.setLevelText(QCoreApplication::translate("PlayLevel", "Play difficulty: VERY EASY"));
    game.PlaySound(QStringLiteral("GiveUp"));
    game.DrawAllPieces();
    game.ShowFigure(); // now with every piece's place in its colour
    game.surfaces.board.setEnabled(true);
}

bool ToggleSound(PELORIN1& game) {
    game.SoundOn = game.SoundOn == 1 ? 0 : 1;
    return game.SoundOn == 1;
}
