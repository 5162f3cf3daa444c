// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "puzzle/piecegeometry.h"

#include <QPoint>
#include <array>
#include <bitset>
#include <vector>

// The ways the seven pieces fill a silhouette, for collection authors: a figure that only one
// filling makes is harder than one that many do, now that every filling counts as solved.
// The pieces are laid on a grid of cells cut by both diagonals into four quarters, so that
// every half cell a piece covers is two whole quarters: 24-pixel cells for the upright
// orientations, 34-pixel ones for the diagonal ones.
namespace FigureFills {

constexpr int MaxCells = 12;
using Cover = std::bitset<MaxCells * MaxCells * 4>;

// Quarter q (0 top, 1 right, 2 bottom, 3 left) of the cell at (cx, cy).
int quarterIndex(int cx, int cy, int q);

struct Option {
    int piece;
    int orient;
    QPoint cell; // the cell of the piece's origin
    Cover cover;
};

// Every way to lay each piece on the grid's cells within wanted, in the upright or the
// diagonal orientations. Orientations that draw the same outline are tried once, under the
// lowest number (play only ever turns the square between 0 and 1).
std::vector<Option> options(const PieceGeometry::PieceSet& set, bool diagonal, int unit,
                            const Cover& wanted);

// Covers the open quarters, and only free ones, with the seven pieces. The first open quarter
// is filled next; once none is left the remaining pieces go where they fit. Of each congruent
// pair the lower piece is laid first, so that no solution is tried twice. Stops at the
// stopAt-th solution found, or after a budget of tries; a filling that would enclose an
// uncovered quarter is none.
class Solver {
public:
    Solver(const std::vector<Option>& all, long stopAt) : all_(all), stopAt_(stopAt) {}

    bool solve(const Cover& open, const Cover& free);
    bool exhausted() const { return budget_ < 0; }

    std::vector<const Option*> chosen;
    long solutions = 0;

private:
    bool enclosesHole() const;
    std::size_t nextUnused() const;

    const std::vector<Option>& all_;
    std::array<bool, 7> used_{};
    long stopAt_;
    long budget_ = 3'000'000;
};

struct Placement {
    int piece = 0;
    int orient = 0;
    QPoint at; // the piece's origin in pixels
};

// Counting stops here: past it a figure is as easy as it gets.
constexpr long Limit = 1000;

struct Count {
    long ways = -1;   // -1 where the pieces do not all lie on one grid
    bool all = false; // every way counted, not only as many as the search reached
};

Count count(const PieceGeometry::PieceSet& set, const std::array<Placement, 7>& pieces);

} // namespace FigureFills
