// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures.h"
#include "numbers.h"
#include "pelorin1.h"

#include <algorithm>
#include <cmath>
#include <vector>

void PELORIN1::CheckOrientation(int p) {
    const int f = CurrentFigure;
    auto F = [&](int i) { return FigOrient[f][static_cast<std::size_t>(i)]; };
    auto P = [&](int i) { return PieceOrient[static_cast<std::size_t>(i)]; };
    auto flag = [&](int i) -> std::int16_t& { return OrientMatch[static_cast<std::size_t>(i)]; };

    flag(p) = 0;
    if (p == 0 || p == 1 || p == 2 || p == 4) {
        const int a = (p == 0 || p == 1) ? 0 : 2;
        const int b = (p == 0 || p == 1) ? 1 : 4;
        if ((P(a) == F(a) && P(b) == F(b)) || (P(a) == F(b) && P(b) == F(a))) {
            flag(a) = 1;
            flag(b) = 1;
        } else if (P(a) == F(a) || P(a) == F(b)) {
            flag(a) = 1;
            flag(b) = 0;
        } else if (P(b) == F(b) || P(b) == F(a)) {
            flag(a) = 0;
            flag(b) = 1;
        }
    } else if (P(p) == F(p)) {
        flag(p) = 1;
    }

    const auto matched = std::count(OrientMatch.begin(), OrientMatch.end(), 1);
    if (matched == Pieces)
        CheckFit();
}

// Orientations are told apart by the outline they draw, not by their number: the square's
// 0, 2, 4 and 6 are one shape, and a piece may only stand in for another of its shape.
bool PELORIN1::sameOutline(int i, int o, int j, int p) const {
    auto corners = [&](int piece, int orient) {
        const std::array<QPoint, 5> outline = Outline(piece, orient, 0, 0);
        std::array<std::pair<int, int>, 4> drawn;
        for (std::size_t k = 0; k < drawn.size(); ++k)
            drawn[k] = {outline[k].x(), outline[k].y()};
        std::sort(drawn.begin(), drawn.end());
        const auto end = std::unique(drawn.begin(), drawn.end());
        return std::vector(drawn.begin(), end);
    };
    return corners(i, o) == corners(j, p);
}

bool PELORIN1::InPlace(int piece, int slot, int f, const PerPiece<double>& rx,
                       const PerPiece<std::int16_t>& ry) const {
    const auto n = static_cast<std::size_t>(piece);
    const auto s = static_cast<std::size_t>(slot);
    return std::abs(rx[n] - FigX[f][s]) <= Measures::FitTolerance &&
           std::abs(ry[n] - FigY[f][s]) <= Measures::FitTolerance &&
           sameOutline(piece, PieceOrient[n], slot, FigOrient[f][s]);
}

bool PELORIN1::pairFits(int a, int b, int f, const PerPiece<double>& rx,
                        const PerPiece<std::int16_t>& ry) const {
    const bool straight = InPlace(a, a, f, rx, ry) && InPlace(b, b, f, rx, ry);
    const bool exchanged = InPlace(a, b, f, rx, ry) && InPlace(b, a, f, rx, ry);
    return straight || exchanged;
}

// Every piece within 15 pixels of its place in the figure, relative to the smallest origin,
// and turned to the outline the figure needs there.
bool PELORIN1::piecesInPlace(int f, const PerPiece<double>& rx,
                             const PerPiece<std::int16_t>& ry) const {
    for (int k : {5, 6, 3}) {
        if (!InPlace(k, k, f, rx, ry))
            return false;
    }
    return pairFits(0, 1, f, rx, ry) && pairFits(2, 4, f, rx, ry);
}

Silhouette::Arrangement PELORIN1::figureOutlines(int f, double x, double y) const {
    Silhouette::Arrangement pieces;
    for (std::size_t i = 0; i < Pieces; ++i)
        pieces[i] = Outline(static_cast<int>(i), FigOrient[f][i], x + FigX[f][i], y + FigY[f][i]);
    return pieces;
}

Silhouette::Arrangement PELORIN1::placedOutlines() const {
    Silhouette::Arrangement pieces;
    for (std::size_t i = 0; i < Pieces; ++i)
        pieces[i] = Outline(static_cast<int>(i), PieceOrient[i], BoardLeft + PieceX[i],
                            BoardTop + PieceY[i]);
    return pieces;
}

// Pieces in their places show the figure's exact solution where the player built it; a
// figure built in another way forms its silhouette and shows the player's own pieces.
void PELORIN1::CheckFit() {
    Covered = 0;
    const int f = CurrentFigure;
    if (!HasFigure(f))
        return; // an empty collection has nothing to cover
    double mx = PieceX[0];
    double my = PieceY[0];
    for (std::size_t i = 1; i < Pieces; ++i) {
        mx = std::min(mx, PieceX[i]);
        my = std::min(my, PieceY[i]);
    }
    PerPiece<double> rx{};
    PerPiece<std::int16_t> ry{};
    for (std::size_t i = 0; i < Pieces; ++i) {
        rx[i] = PieceX[i] - mx;
        ry[i] = CInt(PieceY[i] - my);
    }
    if (piecesInPlace(f, rx, ry)) {
        Covered = 1;
        showSolution(figureOutlines(f, BoardLeft + mx, BoardTop + my));
        return;
    }
    const Silhouette::Arrangement built = placedOutlines();
    if (Silhouette::sameSilhouette(built, figureOutlines(f, 0, 0))) {
        Covered = 1;
        showSolution(built);
    }
}

void PELORIN1::showSolution(const Silhouette::Arrangement& pieces) {
    Surface& board = surfaces.board;
    board.Cls();
    for (const std::array<QPoint, 5>& points : pieces) {
        std::copy(points.begin(), points.end(), Pts.begin());
        board.FillColor = SilhouetteColour;
        board.ForeColor = QBColor(8);
        board.FillStyle_ = Surface::FillStyle::Solid;
        board.Polygon(Pts.data(), 4);
    }
    board.Refresh();
    board.setEnabled(false);
}
