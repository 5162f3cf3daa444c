// SPDX-License-Identifier: GPL-3.0-or-later
#include "hint.h"

#include "pointerplay.h"

#include "puzzle/numbers.h"
#include "puzzle/pelorin1.h"

#include <QPointF>
#include <algorithm>
#include <vector>

namespace {

using Slots = std::array<bool, PELORIN1::Pieces>;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The piece that may stand in for piece i: its congruent partner, or itself.
int partnerOf(int i) {
    switch (i) {
    case 0:
        return 1;
    case 1:
        return 0;
    case 2:
        return 4;
    case 4:
        return 2;
    default:
        return i;
    }
}

// The figure's places that pieces fill with its reference corner at anchor (piece
// coordinates). A congruent pair fills its places straight or exchanged, whichever fills
// more.
Slots filledSlots(const PELORIN1& game, QPointF anchor) {
    PELORIN1::PerPiece<double> rx{};
    PELORIN1::PerPiece<std::int16_t> ry{};
    for (std::size_t i = 0; i < PELORIN1::Pieces; ++i) {
        rx[i] = game.PieceX[i] - anchor.x();
        ry[i] = CInt(game.PieceY[i] - anchor.y());
    }
    auto in = [&](int piece, int slot) {
        return game.InPlace(piece, slot, game.CurrentFigure, rx, ry);
    };
    Slots filled{};
    for (int k : {3, 5, 6})
        filled[at(k)] = in(k, k);
    for (const auto& [a, b] : {std::pair{0, 1}, std::pair{2, 4}}) {
        const bool exchanged = int(in(b, a)) + int(in(a, b)) > int(in(a, a)) + int(in(b, b));
        filled[at(a)] = exchanged ? in(b, a) : in(a, a);
        filled[at(b)] = exchanged ? in(a, b) : in(b, b);
    }
    return filled;
}

bool leftHome(const PELORIN1& game, std::size_t i) {
    return game.PieceX[i] != game.HomeX[i] || game.PieceY[i] != game.HomeY[i] ||
           game.PieceOrient[i] != game.HomeOrient[i];
}

// The reference corner that puts the most pieces in their places, among those that put a
// piece moved from home in a place of its shape; the first such corner among equals.
std::optional<QPointF> builtAnchor(const PELORIN1& game) {
    const int f = game.CurrentFigure;
    std::optional<QPointF> best;
    long most = 0;
    for (int i = 0; i < PELORIN1::Pieces; ++i) {
        if (!leftHome(game, at(i)))
            continue;
        for (int s = 0; s < PELORIN1::Pieces; ++s) {
            if (s != i && s != partnerOf(i))
                continue;
            const QPointF anchor(game.PieceX[at(i)] - game.FigX[f][at(s)],
                                 game.PieceY[at(i)] - game.FigY[f][at(s)]);
            const Slots filled = filledSlots(game, anchor);
            const long count = std::count(filled.begin(), filled.end(), true);
            if (count > most) {
                most = count;
                best = anchor;
            }
        }
    }
    return best;
}

// The figure's drawn extent with its reference corner at the origin.
QRect figureBox(const PELORIN1& game) {
    const int f = game.CurrentFigure;
    QRect box;
    for (int i = 0; i < PELORIN1::Pieces; ++i) {
        const std::array<QPoint, 5> o =
            game.Outline(i, game.FigOrient[f][at(i)], game.FigX[f][at(i)], game.FigY[f][at(i)]);
        for (std::size_t k = 0; k < 4; ++k)
            box |= QRect(o[k], QSize(1, 1));
    }
    return box;
}

// Summed-area table of the pixels the hit map gives to a piece: sum(x, y) counts those
// above and left of (x, y).
class PieceArea {
public:
    explicit PieceArea(const PELORIN1& game)
        : width_(game.surfaces.hitMap.width() + 1),
          sums_(at(width_ * (game.surfaces.hitMap.height() + 1))) {
        for (int y = 1; y <= game.surfaces.hitMap.height(); ++y)
            for (int x = 1; x < width_; ++x)
                sum(x, y) = int(PieceAt(game, float(x - 1), float(y - 1)) != -1) + sum(x - 1, y) +
                            sum(x, y - 1) - sum(x - 1, y - 1);
    }
    int within(const QRect& r) const {
        return sum(r.right() + 1, r.bottom() + 1) - sum(r.left(), r.bottom() + 1) -
               sum(r.right() + 1, r.top()) + sum(r.left(), r.top());
    }

private:
    int& sum(int x, int y) { return sums_[at(y * width_ + x)]; }
    int sum(int x, int y) const { return sums_[at(y * width_ + x)]; }

    int width_;
    std::vector<int> sums_;
};

// Where the figure's box covers the fewest piece pixels, inside the area that drops accept
// (or from its corner when the figure is larger), nearest the board's middle among equals.
QPointF freeAnchor(const PELORIN1& game) {
    const QRect box = figureBox(game);
    const QPoint corner(CLng(game.BoardLeft) + 20, CLng(game.BoardTop) + 20);
    const QPoint room = QPoint(310, 345) - QPoint(box.width(), box.height());
    const QPointF middle = QPointF(corner) + QPointF(155, 172.5);
    const QRect board(0, 0, game.surfaces.hitMap.width(), game.surfaces.hitMap.height());
    const PieceArea pieces(game);
    QPoint best = corner;
    std::pair<int, double> least{-1, 0};
    for (int y = 0; y <= std::max(0, room.y()); ++y) {
        for (int x = 0; x <= std::max(0, room.x()); ++x) {
            const QRect place(corner + QPoint(x, y), box.size());
            const QPointF away = QPointF(place.center()) - middle;
            const std::pair<int, double> cost{pieces.within(place & board),
                                              QPointF::dotProduct(away, away)};
            if (least.first < 0 || cost < least) {
                least = cost;
                best = place.topLeft();
            }
        }
    }
    return QPointF(best - box.topLeft()) - QPointF(game.BoardLeft, game.BoardTop);
}

} // namespace

std::optional<HintPlace> ChooseHint(const PELORIN1& game) {
    const int f = game.CurrentFigure;
    if (!game.HasFigure(f))
        return std::nullopt;
    const std::optional<QPointF> built = builtAnchor(game);
    const QPointF anchor = built ? *built : freeAnchor(game);
    const Slots filled = built ? filledSlots(game, anchor) : Slots{};
    const auto open = std::find(filled.begin(), filled.end(), false);
    if (open == filled.end())
        return std::nullopt;
    const auto slot = static_cast<int>(open - filled.begin());
    const std::array<QPoint, 5> o = game.Outline(
        slot, game.FigOrient[f][at(slot)], game.BoardLeft + anchor.x() + game.FigX[f][at(slot)],
        game.BoardTop + anchor.y() + game.FigY[f][at(slot)]);
    return HintPlace{slot, {o[0], o[1], o[2], o[3]}};
}

BoardHint::BoardHint(PELORIN1& game, QObject* parent) : QObject(parent), game_(game) {
    timer_.setSingleShot(true);
    timer_.setInterval(ShownMs);
    connect(&timer_, &QTimer::timeout, this, &BoardHint::hide);
    // The board is drawn afresh after every move: the hint has served.
    connect(&game.surfaces.board, &Surface::refreshed, this, &BoardHint::hide);
}

void BoardHint::Show() {
    if (!game_.surfaces.board.Enabled() || game_.Selected != -1)
        return;
    std::optional<HintPlace> hint = ChooseHint(game_);
    if (!hint)
        return;
    shown_ = hint;
    game_.PlaySound(QStringLiteral("Click"));
    timer_.start();
    emit changed();
}

void BoardHint::hide() {
    timer_.stop();
    if (!shown_)
        return;
    shown_.reset();
    emit changed();
}
