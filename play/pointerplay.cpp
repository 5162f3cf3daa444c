// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointerplay.h"

#include "completion.h"

#include "platform/keys.h"
#include "puzzle/numbers.h"
#include "puzzle/pelorin1.h"

#include <cstdlib>

namespace {

// Paints a piece's polygon in the background colour: it vanishes from that surface.
void erasePolygon(Surface& surface, const QPoint* points, ColourValue back) {
    surface.FillStyle_ = Surface::FillStyle::Solid;
    surface.ForeColor = back;
    surface.FillColor = back;
    surface.Polygon(points, 4);
}

void outlinePolygon(Surface& surface, const QPoint* points, ColourValue colour) {
    surface.FillStyle_ = Surface::FillStyle::Transparent;
    surface.ForeColor = colour;
    surface.Polygon(points, 4);
}

// What drawing the outline through the first four points can touch.
QRect outlineReach(const QPoint* points) {
    QRect r;
    for (std::size_t k = 0; k < 4; ++k)
        r |= QRect(points[k], QSize(1, 1));
    return r.adjusted(-1, -1, 1, 1);
}

std::size_t at(int p) {
    return static_cast<std::size_t>(p);
}

// A turn forward enters the next orientation and adds its shift; a turn back undoes the
// forward turn into the orientation it leaves, so the piece returns exactly where it was.
void turnOrientation(PELORIN1& game, int p, int step) {
    const std::size_t n = at(p);
    const int from = game.PieceOrient[n];
    if (step > 0) {
        int o = from + 1;
        if (o > 7 || (p == 3 && o > 1))
            o = 0;
        game.PieceOrient[n] = o;
        game.PieceX[n] += game.RotDX[n][at(o)];
        game.PieceY[n] += game.RotDY[n][at(o)];
        return;
    }
    game.PieceX[n] -= game.RotDX[n][at(from)];
    game.PieceY[n] -= game.RotDY[n][at(from)];
    int o = from - 1;
    if (o < 0 || (p == 3 && o > 1))
        o = p == 3 ? 1 : 7;
    game.PieceOrient[n] = o;
}

} // namespace

int PieceAt(const PELORIN1& game, float x, float y) {
    const ColourValue c = game.surfaces.hitMap.Point(CLng(x), CLng(y));
    for (int i = 0; i < PELORIN1::Pieces; ++i) {
        if (game.HitColour[at(i)] == c)
            return i;
    }
    return -1;
}

void RotatePiece(PELORIN1& game, int p, int step) {
    game.PlacedOutline(p, game.Pts);
    erasePolygon(game.surfaces.board, game.Pts.data(), game.BoardBack);
    erasePolygon(game.surfaces.hitMap, game.Pts.data(), game.BoardBack);

    turnOrientation(game, p, step);

    if (game.CopiedFlag != 1) {
        game.Covered = 0;
        game.CheckOrientation(p);
        if (game.Covered == 1) {
            // The fit check shows the solution; celebrate it as a drop would.
            game.Selected = -1;
            CelebrateFigure(game);
            return;
        }
    }
    // The others repair what the erasing painted over; the turned piece ends on top.
    game.Selected = p;
    game.DrawAllPieces();
    game.DrawPiece(p);
    game.Selected = -1;
    if (!CheckCompletion(game))
        game.PlaySound(QStringLiteral("Click"));
}

bool PointerPlay::Dragging() const {
    return game_.Selected != -1 && game_.DragPending == 0;
}

void PointerPlay::Press(int button, int, float x, float y) {
    if (button != MouseButtons::Left && button != MouseButtons::Right)
        return;
    if (game_.Selected != -1)
        return; // a held piece is neither turned nor picked again
    const int p = PieceAt(game_, x, y);
    if (p == -1)
        return;
    game_.Selected = p;
    if (button == MouseButtons::Left) {
        game_.DragPending = 1;
        PressX = x;
        PressY = y;
    } else {
        RotatePiece(game_, p);
    }
}

void PointerPlay::Move(int, int, float x, float y) {
    const int p = game_.Selected;
    if (p == -1)
        return;
    const bool firstMove = game_.DragPending == 1;
    if (firstMove)
        beginDrag(p);
    else
        outlinePolygon(game_.surfaces.board, game_.Pts.data(), game_.BoardBack);
    followPointer(x, y, firstMove);
}

// From here to the drop the held piece's position is relative to the press point, so the
// point the player grabbed stays under the pointer however far the first move jumps.
void PointerPlay::beginDrag(int p) {
    const std::size_t n = at(p);
    game_.SavedX[n] = game_.PieceX[n];
    game_.SavedY[n] = game_.PieceY[n];
    game_.PieceX[n] -= PressX;
    game_.PieceY[n] -= PressY;
    DragStartX = PressX + game_.BoardLeft + game_.PieceX[n];
    DragStartY = PressY + game_.BoardTop + game_.PieceY[n];
    const std::array<QPoint, 5> points =
        game_.Outline(p, game_.PieceOrient[n], DragStartX, DragStartY);
    std::copy(points.begin(), points.end(), game_.Pts.begin());
    erasePolygon(game_.surfaces.board, game_.Pts.data(), game_.BoardBack);
    LastX = PressX;
    LastY = CInt(PressY);
    game_.DragPending = 0;
}

void PointerPlay::followPointer(float x, float y, bool firstMove) {
    // Once the pieces have been drawn afresh at the first move, drawing them again changes
    // only what the old outline covered: only that is drawn, on the board and the hit map.
    const QRect erased = outlineReach(game_.Pts.data());
    for (std::size_t k = 0; k < 5; ++k) {
        QPoint& v = game_.Pts[k];
        v = QPoint(CLng(x + (v.x() - LastX)), CLng(y + (v.y() - LastY)));
    }
    if (!firstMove) {
        game_.surfaces.board.ClipTo(erased);
        game_.surfaces.hitMap.ClipTo(erased);
    }
    game_.DrawAllPieces();
    game_.surfaces.board.Unclip();
    game_.surfaces.hitMap.Unclip();
    LastX = x;
    LastY = CInt(y);
    // The screen moves the outline as a picture over the board as it is now, without the
    // held piece: the board is not drawn again for the screen until the drop clears it.
    game_.surfaces.board.FloatOutline(game_.Pts.data(), 4, game_.DragColour);
    outlinePolygon(game_.surfaces.board, game_.Pts.data(), game_.DragColour);
    game_.surfaces.board.Refresh();
}

void PointerPlay::Release(int button, int, float x, float y) {
    if (game_.Selected != -1 && button != MouseButtons::Left)
        return; // the left button picked the piece up; only its release lets go
    if (Dragging()) {
        drop(x, y); // wherever the pointer is, also back at the press point
        return;
    }
    if (game_.Selected != -1) {
        // Pressed and released without a move: a click on the held piece.
        game_.KeyPiece = static_cast<std::int16_t>(game_.Selected);
        game_.Selected = -1;
        game_.DragPending = 0;
        return;
    }
    if (x == PressX && y == PressY) {
        const int p = PieceAt(game_, x, y);
        if (p != -1)
            game_.KeyPiece = static_cast<std::int16_t>(p);
    }
}

void PointerPlay::Wheel(int angleDelta, float x, float y) {
    if (game_.Selected != -1)
        return; // a held piece is not turned
    if ((angleDelta > 0) != (wheelRest_ > 0))
        wheelRest_ = 0; // the wheel changed direction
    wheelRest_ += angleDelta;
    if (std::abs(wheelRest_) < WheelNotch)
        return;
    const int step = wheelRest_ > 0 ? 1 : -1;
    wheelRest_ = 0;
    const int p = PieceAt(game_, x, y);
    if (p == -1)
        return;
    game_.Selected = p;
    RotatePiece(game_, p, step);
}

// Each test runs on the values current at that moment; a failing one puts the piece back.
bool PointerPlay::boundsRefuse(int p) {
    const std::size_t n = at(p);
    const std::size_t o = at(game_.PieceOrient[n]);
    bool refused = false;
    auto putBack = [&] {
        game_.PieceX[n] = game_.SavedX[n];
        game_.PieceY[n] = game_.SavedY[n];
        refused = true;
    };
    if (game_.PieceX[n] < 20 || game_.PieceY[n] < 20)
        putBack();
    if (game_.PieceX[n] + game_.ExtentX[n][o] > 330)
        putBack();
    if (game_.PieceY[n] + game_.ExtentY[n][o] > 365)
        putBack();
    return refused;
}

void PointerPlay::drop(float x, float y) {
    const int p = game_.Selected;
    const std::size_t n = at(p);
    game_.Selected = -1;
    game_.PieceX[n] += x;
    game_.PieceY[n] += y;
    const bool refused = boundsRefuse(p);

    const std::array<QPoint, 5> before =
        game_.Outline(p, game_.PieceOrient[n], DragStartX, DragStartY);
    std::copy(before.begin(), before.end(), game_.Pts.begin());
    erasePolygon(game_.surfaces.hitMap, game_.Pts.data(), game_.BoardBack);
    game_.surfaces.board.Cls();
    game_.KeyPiece = static_cast<std::int16_t>(p);
    game_.DrawAllPieces();
    game_.DrawPiece(p);

    if (CheckCompletion(game_))
        return;
    game_.PlaySound(refused ? QStringLiteral("Error") : QStringLiteral("Slide"));
}
