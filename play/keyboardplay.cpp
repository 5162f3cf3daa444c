// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardplay.h"

#include "completion.h"
#include "pointerplay.h"

#include "platform/keys.h"
#include "puzzle/pelorin1.h"

namespace {

QPoint stepOf(int keyCode) {
    switch (keyCode) {
    case VirtualKeys::Left:
    case VirtualKeys::Numpad4:
        return {-1, 0};
    case VirtualKeys::Right:
    case VirtualKeys::Numpad6:
        return {1, 0};
    case VirtualKeys::Up:
    case VirtualKeys::Numpad8:
        return {0, -1};
    case VirtualKeys::Down:
    case VirtualKeys::Numpad2:
        return {0, 1};
    default:
        return {0, 0};
    }
}

// The digit keys 1 to 7 choose pieces 0 to 6, so the whole game can be played without a
// pointer.
void chooseKeyPiece(PELORIN1& game, int keyCode) {
    const int p = keyCode - VirtualKeys::Digit1;
    if (p >= 0 && p < PELORIN1::Pieces)
        game.KeyPiece = static_cast<std::int16_t>(p);
}

void turnKeyPiece(PELORIN1& game) {
    if (game.Selected != -1)
        return; // the pointer holds a piece
    game.Selected = game.KeyPiece;
    RotatePiece(game, game.KeyPiece);
}

// The area a piece leaves must no longer answer for it on the hit map.
void eraseFromHitMap(PELORIN1& game, int i) {
    Surface& hit = game.surfaces.hitMap;
    game.PlacedOutline(i, game.Pts);
    hit.FillStyle_ = Surface::FillStyle::Solid;
    hit.ForeColor = game.BoardBack;
    hit.FillColor = game.BoardBack;
    hit.Polygon(game.Pts.data(), 4);
}

void nudge(PELORIN1& game, int keyCode, int shift) {
    const int first = shift == 2 ? 0 : game.KeyPiece;
    const int last = shift == 2 ? PELORIN1::Pieces - 1 : game.KeyPiece;
    const int step = shift == 1 ? 5 : 1;
    const QPoint d = stepOf(keyCode) * step;
    for (int i = first; i <= last; ++i) {
        eraseFromHitMap(game, i);
        game.PieceX[static_cast<std::size_t>(i)] += d.x();
        game.PieceY[static_cast<std::size_t>(i)] += d.y();
    }
    game.surfaces.board.Cls();
    game.DrawAllPieces();
    if (d != QPoint())
        CheckCompletion(game);
}

} // namespace

void KeyDown(PELORIN1& game, int keyCode, int shift) {
    chooseKeyPiece(game, keyCode);
    if (keyCode == VirtualKeys::Tab)
        turnKeyPiece(game);
    else
        nudge(game, keyCode, shift);
}

std::optional<std::array<QPoint, 4>> KeyPieceMark(const PELORIN1& game) {
    const int p = game.KeyPiece;
    const auto n = static_cast<std::size_t>(p);
    const bool dragged = game.Selected == p && game.DragPending == 0;
    if (!game.surfaces.board.Enabled() || dragged)
        return std::nullopt;
    const std::array<QPoint, 5> outline = game.Outline(
        p, game.PieceOrient[n], game.BoardLeft + game.PieceX[n], game.BoardTop + game.PieceY[n]);
    return std::array<QPoint, 4>{outline[0], outline[1], outline[2], outline[3]};
}
