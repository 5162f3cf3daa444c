#include "numbers.h"
#include "pelorin1.h"

#include <cmath>

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

bool PELORIN1::pairFits(int a, int b, int f, const PerPiece<double>& rx,
                        const PerPiece<std::int16_t>& ry) const {
    const auto A = static_cast<std::size_t>(a);
    const auto B = static_cast<std::size_t>(b);
    auto near = [&](std::size_t piece, std::size_t slot) {
        return std::abs(rx[piece] - FigX[f][slot]) <= 15 &&
               std::abs(ry[piece] - FigY[f][slot]) <= 15;
    };
    const bool straight = near(A, A) && near(B, B);
    const bool exchanged = near(A, B) && near(B, A);
    return straight || exchanged;
}

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
    for (std::size_t k : {5u, 6u, 3u}) {
        if (std::abs(rx[k] - FigX[f][k]) > 15 || std::abs(ry[k] - FigY[f][k]) > 15)
            return;
    }
    if (!pairFits(0, 1, f, rx, ry) || !pairFits(2, 4, f, rx, ry))
        return;
    Covered = 1;
    showSolution(f, mx, my);
}

void PELORIN1::showSolution(int f, double mx, double my) {
    Surface& board = surfaces.board;
    board.Cls();
    for (std::size_t i = 0; i < Pieces; ++i) {
        const std::array<QPoint, 5> points =
            Outline(static_cast<int>(i), FigOrient[f][i], BoardLeft + mx + FigX[f][i],
                    BoardTop + my + FigY[f][i]);
        std::copy(points.begin(), points.end(), Pts.begin());
        board.FillColor = SilhouetteColour;
        board.ForeColor = QBColor(8);
        board.FillStyle_ = Surface::FillStyle::Solid;
        board.Polygon(Pts.data(), 4);
    }
    board.Refresh();
    board.setEnabled(false);
}
