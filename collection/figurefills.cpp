// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/figurefills.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace FigureFills {

int quarterIndex(int cx, int cy, int q) {
    return (cy * MaxCells + cx) * 4 + q;
}

namespace {

QPointF quarterCentre(int cx, int cy, int q) {
    static const QPointF offsets[4] = {{0.5, 0.2}, {0.8, 0.5}, {0.5, 0.8}, {0.2, 0.5}};
    return QPointF(cx, cy) + offsets[q];
}

bool inside(const PieceGeometry::Polygon& polygon, QPointF p) {
    for (qsizetype k = 0; k < polygon.size(); ++k) {
        const QPointF a = polygon[k];
        if (PieceGeometry::cross(polygon[(k + 1) % polygon.size()] - a, p - a) <= 0)
            return false;
    }
    return true;
}

// The quarters a piece covers with its origin at the corner of cell, the piece's shape in
// cell units; none where it does not lie whole on the grid.
std::optional<Cover> coverOf(const PieceGeometry::Polygon& shape, QPoint cell) {
    Cover cover;
    for (int cy = 0; cy < MaxCells; ++cy) {
        for (int cx = 0; cx < MaxCells; ++cx) {
            for (int q = 0; q < 4; ++q) {
                if (inside(shape, quarterCentre(cx, cy, q) - QPointF(cell)))
                    cover[static_cast<std::size_t>(quarterIndex(cx, cy, q))] = true;
            }
        }
    }
    if (static_cast<long>(cover.count()) != std::lround(PieceGeometry::area(shape) * 4))
        return std::nullopt;
    return cover;
}

PieceGeometry::Polygon shapeInCells(const PieceGeometry::PieceSet& set, int piece, int orient,
                                    int unit) {
    PieceGeometry::Polygon shape =
        PieceGeometry::drawnPolygon(set.outline[static_cast<std::size_t>(piece)][orient]);
    for (QPointF& p : shape)
        p /= unit;
    return shape;
}

QList<QPoint> sortedCorners(const std::array<QPoint, 5>& outline) {
    QList<QPoint> corners(outline.begin(), outline.begin() + 4);
    std::sort(corners.begin(), corners.end(),
              [](QPoint a, QPoint b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    return corners;
}

} // namespace

std::vector<Option> options(const PieceGeometry::PieceSet& set, bool diagonal, int unit,
                            const Cover& wanted) {
    std::vector<Option> all;
    for (int i = 0; i < 7; ++i) {
        QList<QList<QPoint>> seen;
        for (int o = 0; o < 8; ++o) {
            if (set.diagonal[static_cast<std::size_t>(i)][o] != diagonal)
                continue;
            const QList<QPoint> corners =
                sortedCorners(set.outline[static_cast<std::size_t>(i)][o]);
            if (seen.contains(corners))
                continue;
            seen.append(corners);
            const PieceGeometry::Polygon shape = shapeInCells(set, i, o, unit);
            for (int y = 0; y < MaxCells; ++y) {
                for (int x = 0; x < MaxCells; ++x) {
                    const std::optional<Cover> cover = coverOf(shape, QPoint(x, y));
                    if (cover && (*cover & ~wanted).none())
                        all.push_back({i, o, QPoint(x, y), *cover});
                }
            }
        }
    }
    return all;
}

bool Solver::solve(const Cover& open, const Cover& free) {
    if (chosen.size() == 7) {
        if (open.any() || enclosesHole())
            return false;
        return ++solutions >= stopAt_;
    }
    if (--budget_ < 0)
        return false;
    std::size_t first = 0;
    while (first < open.size() && !open[first])
        ++first;
    for (const Option& option : all_) {
        const auto p = static_cast<std::size_t>(option.piece);
        if (used_[p] || (option.cover & ~free).any())
            continue;
        if (first < open.size() ? !option.cover[first] : p != nextUnused())
            continue;
        if ((p == 1 && !used_[0]) || (p == 4 && !used_[2]))
            continue;
        used_[p] = true;
        chosen.push_back(&option);
        if (solve(open & ~option.cover, free & ~option.cover))
            return true;
        chosen.pop_back();
        used_[p] = false;
    }
    return false;
}

// Whether some uncovered quarter cannot be reached from outside the grid: a gap the player
// would see inside the silhouette.
bool Solver::enclosesHole() const {
    Cover covered;
    for (const Option* o : chosen)
        covered |= o->cover;
    Cover reached;
    std::vector<int> todo;
    auto visit = [&](int cx, int cy, int q) {
        if (cx < 0 || cy < 0 || cx >= MaxCells || cy >= MaxCells)
            return;
        const auto i = static_cast<std::size_t>(quarterIndex(cx, cy, q));
        if (covered[i] || reached[i])
            return;
        reached[i] = true;
        todo.push_back(static_cast<int>(i));
    };
    for (int k = 0; k < MaxCells; ++k) {
        visit(k, 0, 0);
        visit(k, MaxCells - 1, 2);
        visit(0, k, 3);
        visit(MaxCells - 1, k, 1);
    }
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        const int q = i % 4;
        const int cx = (i / 4) % MaxCells;
        const int cy = i / 4 / MaxCells;
        visit(cx, cy, (q + 1) % 4);
        visit(cx, cy, (q + 3) % 4);
        static const int dx[4] = {0, 1, 0, -1};
        static const int dy[4] = {-1, 0, 1, 0};
        visit(cx + dx[q], cy + dy[q], (q + 2) % 4);
    }
    return (covered | reached).count() != covered.size();
}

std::size_t Solver::nextUnused() const {
    std::size_t p = 0;
    while (used_[p])
        ++p;
    return p;
}

Count count(const PieceGeometry::PieceSet& set, const std::array<Placement, 7>& pieces) {
    const Placement& first = pieces.front();
    const bool diagonal = set.diagonal[static_cast<std::size_t>(first.piece)][first.orient];
    const int unit = diagonal ? 34 : 24;
    QPoint least(1 << 30, 1 << 30);
    for (const Placement& p : pieces) {
        for (const QPoint& q :
             PieceGeometry::placedOutline(set, p.piece, p.orient, p.at.x(), p.at.y())) {
            least.setX(std::min(least.x(), q.x() - first.at.x()));
            least.setY(std::min(least.y(), q.y() - first.at.y()));
        }
    }
    const QPoint base(static_cast<int>(std::floor(least.x() / double(unit))),
                      static_cast<int>(std::floor(least.y() / double(unit))));
    Cover wanted;
    for (const Placement& p : pieces) {
        const QPoint d = p.at - first.at;
        if (set.diagonal[static_cast<std::size_t>(p.piece)][p.orient] != diagonal ||
            d.x() % unit != 0 || d.y() % unit != 0)
            return {};
        const std::optional<Cover> cover =
            coverOf(shapeInCells(set, p.piece, p.orient, unit), d / unit - base);
        if (!cover)
            return {};
        wanted |= *cover;
    }
    const std::vector<Option> all = options(set, diagonal, unit, wanted);
    Solver solver(all, Limit);
    solver.solve(wanted, wanted);
    return {solver.solutions, !solver.exhausted() && solver.solutions < Limit};
}

} // namespace FigureFills
