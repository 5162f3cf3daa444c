// SPDX-License-Identifier: GPL-3.0-or-later
#include "piecegeometry.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PieceGeometry {

namespace {

double signedArea(const Polygon& polygon) {
    double sum = 0;
    for (qsizetype k = 0; k < polygon.size(); ++k)
        sum += cross(polygon[k], polygon[(k + 1) % polygon.size()]);
    return sum / 2;
}

// Keeps the part of subject on the inner side of the directed edge from e0 to e1.
Polygon clip(const Polygon& subject, QPointF e0, QPointF e1) {
    Polygon out;
    const QPointF edge = e1 - e0;
    auto side = [&](QPointF p) { return cross(edge, p - e0); };
    for (qsizetype k = 0; k < subject.size(); ++k) {
        const QPointF p = subject[k];
        const QPointF q = subject[(k + 1) % subject.size()];
        const double sp = side(p);
        const double sq = side(q);
        if (sp >= 0)
            out.append(p);
        if ((sp > 0 && sq < 0) || (sp < 0 && sq > 0))
            out.append(p + (q - p) * (sp / (sp - sq)));
    }
    return out;
}

} // namespace

PieceSet pieceSetFrom(const FigureFile::PieceSetFields& fields) {
    PieceSet set;
    for (std::size_t i = 0; i < 7; ++i) {
        for (std::size_t o = 0; o < 8; ++o) {
            const auto& f = fields.shape[i][o];
            set.diagonal[i][o] = f[1] < 0;
            const double u = set.diagonal[i][o] ? 34 : 24;
            for (std::size_t k = 0; k < 5; ++k)
                set.outline[i][o][k] = QPoint(CInt(u * f[6 + 2 * k]), CInt(u * f[7 + 2 * k]));
        }
    }
    return set;
}

std::array<QPoint, 5> placedOutline(const PieceSet& set, int i, int o, int x, int y) {
    std::array<QPoint, 5> points = set.outline[static_cast<std::size_t>(i)][o & 7];
    for (QPoint& p : points)
        p += QPoint(x, y);
    return points;
}

Polygon drawnPolygon(const std::array<QPoint, 5>& outline) {
    Polygon polygon;
    for (std::size_t k = 0; k < 4; ++k) {
        const QPointF p = outline[k];
        if (polygon.isEmpty() || (p != polygon.last() && p != polygon.first()))
            polygon.append(p);
    }
    if (signedArea(polygon) < 0)
        std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

double area(const Polygon& polygon) {
    return std::abs(signedArea(polygon));
}

Polygon intersection(const Polygon& a, const Polygon& b) {
    Polygon out = a;
    for (qsizetype k = 0; k < b.size() && out.size() >= 3; ++k)
        out = clip(out, b[k], b[(k + 1) % b.size()]);
    return out.size() >= 3 ? out : Polygon();
}

double thickness(const Polygon& overlap) {
    double longest = 0;
    for (qsizetype k = 0; k < overlap.size(); ++k)
        longest = std::max(longest, length(overlap[(k + 1) % overlap.size()] - overlap[k]));
    return longest > 0 ? area(overlap) / longest : 0;
}

// Two parallel lines that hold a convex polygon at its narrowest lie along one of its edges.
double width(const Polygon& polygon) {
    double narrowest = std::numeric_limits<double>::max();
    for (qsizetype k = 0; k < polygon.size(); ++k) {
        const QPointF p0 = polygon[k];
        const QPointF along = polygon[(k + 1) % polygon.size()] - p0;
        const double len = length(along);
        if (len == 0)
            continue;
        double farthest = 0;
        for (const QPointF& q : polygon)
            farthest = std::max(farthest, std::abs(cross(along, q - p0)) / len);
        narrowest = std::min(narrowest, farthest);
    }
    return polygon.size() >= 3 ? narrowest : 0;
}

double sharedEdgeLength(const Polygon& a, const Polygon& b, double tolerance) {
    double total = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QPointF p0 = a[i];
        const QPointF along = a[(i + 1) % a.size()] - p0;
        const double len = length(along);
        if (len == 0)
            continue;
        const QPointF d = along / len;
        for (qsizetype j = 0; j < b.size(); ++j) {
            const QPointF q0 = b[j];
            const QPointF q1 = b[(j + 1) % b.size()];
            const double qlen = length(q1 - q0);
            // Parallel within a hundredth of a radian, and both ends near a's line.
            if (qlen == 0 || std::abs(cross(d, (q1 - q0) / qlen)) > 0.01)
                continue;
            if (std::abs(cross(d, q0 - p0)) > tolerance || std::abs(cross(d, q1 - p0)) > tolerance)
                continue;
            const double t0 = dot(d, q0 - p0);
            const double t1 = dot(d, q1 - p0);
            const double from = std::max(0.0, std::min(t0, t1));
            const double to = std::min(len, std::max(t0, t1));
            total += std::max(0.0, to - from);
        }
    }
    return total;
}

} // namespace PieceGeometry
