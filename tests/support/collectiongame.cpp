// SPDX-License-Identifier: GPL-3.0-or-later
#include "collectiongame.h"

#include "fixtures.h"

#include "app/startup.h"

QByteArray CollectionGame::collectionBytes() const {
    return Fixtures::readFile(collectionPath());
}

bool CollectionGame::start(const QByteArray& collection) {
    Fixtures::writeFile(collectionPath(), collection);
    if (!StartUp(p, folder.path()))
        return false;
    p.CurrentFigure = p.FigureCount > 0 ? 1 : 0;
    p.ShowFigure();
    messages.shown.clear();
    return true;
}

void CollectionGame::arrange(const std::array<std::array<int, 3>, 7>& pieces) {
    for (std::size_t i = 0; i < 7; ++i) {
        p.PieceOrient[i] = pieces[i][0];
        p.PieceX[i] = pieces[i][1];
        p.PieceY[i] = pieces[i][2];
    }
    game.board.Cls();
    game.hitMap.Cls();
    p.DrawAllPieces();
}
