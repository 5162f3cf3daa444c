// SPDX-License-Identifier: GPL-3.0-or-later
#include "figureshape.h"

#include "puzzle/piecegeometry.h"

#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace FigureShape {

namespace {

using PieceGeometry::Polygon;

std::array<Polygon, 7> polygonsOf(const Silhouette::Arrangement& pieces) {
    std::array<Polygon, 7> polygons;
    for (std::size_t k = 0; k < 7; ++k)
        polygons[k] = PieceGeometry::drawnPolygon(pieces[k]);
    return polygons;
}

using PieceGeometry::cross;
using PieceGeometry::dot;
using PieceGeometry::length;

// The silhouette in whole pixels, a pixel covered where its centre lies in a piece, with
// a free pixel all round.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<char> covered;
    bool at(int x, int y) const { return covered[static_cast<std::size_t>(y * width + x)] != 0; }
};

// The span of a convex polygon along the horizontal line at y, ends included; empty when the
// line misses it.
std::pair<double, double> span(const Polygon& polygon, double y) {
    double from = 1e9, to = -1e9;
    for (qsizetype k = 0; k < polygon.size(); ++k) {
        const QPointF a = polygon[k];
        const QPointF b = polygon[(k + 1) % polygon.size()];
        if (a.y() == b.y() || y < std::min(a.y(), b.y()) || y > std::max(a.y(), b.y()))
            continue;
        const double x = a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
        from = std::min(from, x);
        to = std::max(to, x);
    }
    return {from, to};
}

// Covers the pixels whose centres lie in the polygon, row by row.
void fill(Raster& r, const Polygon& polygon, QPointF origin) {
    for (int y = 0; y < r.height; ++y) {
        const auto [from, to] = span(polygon, origin.y() + y + 0.5);
        const int first = std::max(0, static_cast<int>(std::ceil(from - origin.x() - 0.5)));
        const int last = std::min(r.width - 1, static_cast<int>(std::floor(to - origin.x() - 0.5)));
        for (int x = first; x <= last; ++x)
            r.covered[static_cast<std::size_t>(y * r.width + x)] = 1;
    }
}

Raster rasterOf(const Silhouette::Arrangement& pieces) {
    const std::array<Polygon, 7> polygons = polygonsOf(pieces);
    QRectF box;
    for (const Polygon& p : polygons)
        box = box.united(QPolygonF(p).boundingRect());
    const QPointF origin = box.topLeft() - QPointF(1, 1);
    Raster r;
    r.width = static_cast<int>(std::ceil(box.width())) + 2;
    r.height = static_cast<int>(std::ceil(box.height())) + 2;
    r.covered.assign(static_cast<std::size_t>(r.width * r.height), 0);
    for (const Polygon& p : polygons)
        fill(r, p, origin);
    return r;
}

// Way w of the raster sampled: the sample (i, j) of the turned or mirrored silhouette read
// from the pixel it comes from.
Sampled sampled(const Raster& r, int way) {
    const bool across = way % 2 == 1; // turned a quarter: width and height change places
    const int w = across ? r.height : r.width;
    const int h = across ? r.width : r.height;
    Sampled s;
    s.width = std::min(MaxSamples, (w + SampleStep - 1) / SampleStep);
    s.height = (h + SampleStep - 1) / SampleStep;
    s.rows.resize(static_cast<std::size_t>(s.height));
    s.rowCounts.assign(static_cast<std::size_t>(s.height), 0);
    s.columnCounts.assign(static_cast<std::size_t>(s.width), 0);
    for (int j = 0; j < s.height; ++j) {
        for (int i = 0; i < s.width; ++i) {
            int x = std::min(w - 1, i * SampleStep + SampleStep / 2);
            const int y = std::min(h - 1, j * SampleStep + SampleStep / 2);
            if (way >= 4)
                x = w - 1 - x;
            int sx = x, sy = y; // the pixel in the raster as it is
            switch (way % 4) {
            case 1:
                sx = y, sy = r.height - 1 - x;
                break;
            case 2:
                sx = r.width - 1 - x, sy = r.height - 1 - y;
                break;
            case 3:
                sx = r.width - 1 - y, sy = x;
                break;
            default:
                break;
            }
            if (r.at(sx, sy)) {
                s.rows[static_cast<std::size_t>(j)].set(static_cast<std::size_t>(i));
                ++s.rowCounts[static_cast<std::size_t>(j)];
                ++s.columnCounts[static_cast<std::size_t>(i)];
                ++s.count;
            }
        }
    }
    return s;
}

// Samples both cover with b moved by (dx, dy) samples over a.
int common(const Sampled& a, const Sampled& b, int dx, int dy) {
    int both = 0;
    for (int j = 0; j < a.height; ++j) {
        const int k = j - dy;
        if (k < 0 || k >= b.height)
            continue;
        const std::bitset<MaxSamples>& row = b.rows[static_cast<std::size_t>(k)];
        both += static_cast<int>(
            (a.rows[static_cast<std::size_t>(j)] &
             (dx >= 0 ? row << static_cast<std::size_t>(dx) : row >> static_cast<std::size_t>(-dx)))
                .count());
    }
    return both;
}

// How many samples the counts of two profiles differ by, the second moved by d.
int profileDistance(const std::vector<int>& a, const std::vector<int>& b, int d) {
    const int n = static_cast<int>(std::max(a.size(), b.size())) + std::abs(d);
    int sum = 0;
    for (int i = -std::abs(d); i < n; ++i) {
        const int k = i - d;
        const int x = i >= 0 && i < static_cast<int>(a.size()) ? a[static_cast<std::size_t>(i)] : 0;
        const int y = k >= 0 && k < static_cast<int>(b.size()) ? b[static_cast<std::size_t>(k)] : 0;
        sum += std::abs(x - y);
    }
    return sum;
}

// A piece moved a few pixels changes where the silhouette's corner lies; so b is tried
// this many samples off the alignment of the two top left corners.
constexpr int Reach = 2;
// Silhouettes whose sizes differ by more samples cannot share this much of their area.
constexpr int SizeReach = 6;

} // namespace

std::array<Sampled, 8> turnsAndMirrors(const Silhouette::Arrangement& pieces) {
    const Raster r = rasterOf(pieces);
    std::array<Sampled, 8> ways;
    for (int w = 0; w < 8; ++w)
        ways[static_cast<std::size_t>(w)] = sampled(r, w);
    return ways;
}

int bestOverlap(const Sampled& a, const std::array<Sampled, 8>& b, int atLeast, int* way) {
    int best = 0;
    for (int w = 0; w < 8; ++w) {
        const Sampled& s = b[static_cast<std::size_t>(w)];
        if (std::abs(s.width - a.width) > SizeReach || std::abs(s.height - a.height) > SizeReach)
            continue;
        const int larger = std::max({a.count, s.count, 1});
        // Two silhouettes that share a part p of the larger differ in at least as many
        // samples, row by row and column by column, as their counts do.
        const int differ = 2 * larger * (100 - atLeast) / 100;
        for (int dy = -Reach; dy <= Reach; ++dy) {
            if (profileDistance(a.rowCounts, s.rowCounts, dy) > differ)
                continue;
            for (int dx = -Reach; dx <= Reach; ++dx) {
                if (profileDistance(a.columnCounts, s.columnCounts, dx) > differ)
                    continue;
                const int percent = 100 * common(a, s, dx, dy) / larger;
                if (percent >= atLeast && percent > best) {
                    best = percent;
                    if (way)
                        *way = w;
                }
            }
        }
    }
    return best;
}

int holeArea(const Silhouette::Arrangement& pieces) {
    const Raster r = rasterOf(pieces);
    // Floods the free pixels from the corner; the free pixel all round reaches every one
    // outside the silhouette.
    std::vector<char> reached(r.covered.size(), 0);
    std::vector<int> todo{0};
    reached[0] = 1;
    int outside = 0;
    const auto visit = [&](int n) {
        const auto k = static_cast<std::size_t>(n);
        if (!reached[k] && !r.covered[k]) {
            reached[k] = 1;
            todo.push_back(n);
        }
    };
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        ++outside;
        const int x = i % r.width;
        if (x > 0)
            visit(i - 1);
        if (x + 1 < r.width)
            visit(i + 1);
        if (i >= r.width)
            visit(i - r.width);
        if (i + r.width < static_cast<int>(r.covered.size()))
            visit(i + r.width);
    }
    const auto covered = std::count(r.covered.begin(), r.covered.end(), 1);
    return static_cast<int>(r.covered.size() - static_cast<std::size_t>(covered)) - outside;
}

namespace {

struct Stretch {
    QPointF from;
    QPointF to;
};

// Edges of pieces side by side lie this close; see the collection checker's contact slack.
constexpr double Slack = 1.0;

// The parts of edge p0-p1 that no edge of another piece lies along.
void openParts(const std::array<Polygon, 7>& polygons, std::size_t own, QPointF p0, QPointF p1,
               std::vector<Stretch>& out) {
    const double len = length(p1 - p0);
    if (len == 0)
        return;
    const QPointF d = (p1 - p0) / len;
    std::vector<std::pair<double, double>> shared;
    for (std::size_t b = 0; b < 7; ++b) {
        if (b == own)
            continue;
        for (qsizetype j = 0; j < polygons[b].size(); ++j) {
            const QPointF q0 = polygons[b][j];
            const QPointF q1 = polygons[b][(j + 1) % polygons[b].size()];
            const double qlen = length(q1 - q0);
            if (qlen == 0 || std::abs(cross(d, (q1 - q0) / qlen)) > 0.01 ||
                std::abs(cross(d, q0 - p0)) > Slack || std::abs(cross(d, q1 - p0)) > Slack)
                continue;
            const double t0 = dot(d, q0 - p0), t1 = dot(d, q1 - p0);
            shared.emplace_back(std::min(t0, t1), std::max(t0, t1));
        }
    }
    std::sort(shared.begin(), shared.end());
    double t = 0;
    for (const auto& [from, to] : shared) {
        if (from > t)
            out.push_back({p0 + d * t, p0 + d * std::min(from, len)});
        t = std::max(t, to);
        if (t >= len)
            return;
    }
    out.push_back({p0 + d * t, p1});
}

// Joins stretches that continue one another in the same direction, across the slack.
void join(std::vector<Stretch>& stretches) {
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t a = 0; a < stretches.size() && !joined; ++a) {
            for (std::size_t b = 0; b < stretches.size() && !joined; ++b) {
                const QPointF da = stretches[a].to - stretches[a].from;
                const QPointF db = stretches[b].to - stretches[b].from;
                if (a == b || length(stretches[a].to - stretches[b].from) > 2 * Slack ||
                    dot(da, db) < 0.9999 * length(da) * length(db))
                    continue;
                stretches[a].to = stretches[b].to;
                stretches.erase(stretches.begin() + static_cast<std::ptrdiff_t>(b));
                joined = true;
            }
        }
    }
}

} // namespace

std::vector<double> outlineStretches(const Silhouette::Arrangement& pieces) {
    const std::array<Polygon, 7> polygons = polygonsOf(pieces);
    std::vector<Stretch> stretches;
    for (std::size_t a = 0; a < 7; ++a) {
        for (qsizetype k = 0; k < polygons[a].size(); ++k)
            openParts(polygons, a, polygons[a][k], polygons[a][(k + 1) % polygons[a].size()],
                      stretches);
    }
    std::erase_if(stretches, [](const Stretch& s) { return length(s.to - s.from) < 0.5; });
    join(stretches);
    std::vector<double> lengths;
    for (const Stretch& s : stretches)
        lengths.push_back(length(s.to - s.from));
    return lengths;
}

} // namespace FigureShape
