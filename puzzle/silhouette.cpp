// SPDX-License-Identifier: GPL-3.0-or-later
#include "silhouette.h"

#include "piecegeometry.h"

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace Silhouette {

namespace {

// A drawn polygon in fixed storage, turning as drawnPolygon turns: a piece has at most four
// corners, a grown piece at most eight.
struct Piece {
    std::array<QPointF, 8> corner{};
    int corners = 0;
    double left = 0, top = 0, right = 0, bottom = 0;

    QPointF from(int k) const { return corner[static_cast<std::size_t>(k)]; }
    QPointF to(int k) const { return corner[static_cast<std::size_t>((k + 1) % corners)]; }
};

using Pieces = std::array<Piece, 7>;

using PieceGeometry::cross;
using PieceGeometry::dot;

template <typename Points> Piece pieceThrough(const Points& points, int count) {
    Piece p;
    p.corners = count;
    p.left = p.top = std::numeric_limits<double>::max();
    p.right = p.bottom = std::numeric_limits<double>::lowest();
    for (int k = 0; k < count; ++k) {
        const QPointF c = points[k];
        p.corner[static_cast<std::size_t>(k)] = c;
        p.left = std::min(p.left, c.x());
        p.top = std::min(p.top, c.y());
        p.right = std::max(p.right, c.x());
        p.bottom = std::max(p.bottom, c.y());
    }
    return p;
}

Pieces piecesOf(const Arrangement& arrangement) {
    Pieces pieces;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const PieceGeometry::Polygon polygon = PieceGeometry::drawnPolygon(arrangement[k]);
        pieces[k] = pieceThrough(polygon, static_cast<int>(std::min<qsizetype>(polygon.size(), 4)));
    }
    return pieces;
}

// The piece grown by so many pixels in x and in y: the convex hull of its corners moved to
// the four corners of a square, built as a lower and an upper chain.
Piece grown(const Piece& piece, double by) {
    std::array<QPointF, 32> points;
    int n = 0;
    for (int k = 0; k < piece.corners; ++k) {
        for (QPointF d : {QPointF(-by, -by), QPointF(by, -by), QPointF(by, by), QPointF(-by, by)})
            points[static_cast<std::size_t>(n++)] = piece.from(k) + d;
    }
    std::sort(points.begin(), points.begin() + n, [](QPointF a, QPointF b) {
        return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
    });
    std::array<QPointF, 33> hull;
    int h = 0;
    auto add = [&](QPointF p, int floor) {
        while (h >= floor + 2 &&
               cross(hull[static_cast<std::size_t>(h - 1)] - hull[static_cast<std::size_t>(h - 2)],
                     p - hull[static_cast<std::size_t>(h - 2)]) <= 0)
            --h;
        hull[static_cast<std::size_t>(h++)] = p;
    };
    for (int k = 0; k < n; ++k)
        add(points[static_cast<std::size_t>(k)], 0);
    const int lower = h - 1;
    for (int k = n - 2; k >= 0; --k)
        add(points[static_cast<std::size_t>(k)], lower);
    return pieceThrough(hull, h - 1);
}

Pieces grownPieces(const Pieces& pieces, double by) {
    Pieces out;
    for (std::size_t k = 0; k < pieces.size(); ++k)
        out[k] = grown(pieces[k], by);
    return out;
}

struct Span {
    double from, to;
};

// Parts of one edge, as spans of 0 < t < 1 along it; at most one per other piece.
struct Spans {
    std::array<Span, 14> span{};
    int count = 0;
    void add(Span s) { span[static_cast<std::size_t>(count++)] = s; }
};

// The part of the edge p + t d, 0 < t < 1, that lies inside piece. An edge along an edge of
// the piece counts as inside only when both run the same way and the piece comes first: of
// two coinciding outlines one stays, and the outlines of neighbours, which run opposite
// ways, both stay and cancel in the area sum.
void addCovered(QPointF p, QPointF d, const Piece& piece, bool piecePrecedes, Spans& spans) {
    if (std::max(p.x(), p.x() + d.x()) < piece.left ||
        std::min(p.x(), p.x() + d.x()) > piece.right ||
        std::max(p.y(), p.y() + d.y()) < piece.top || std::min(p.y(), p.y() + d.y()) > piece.bottom)
        return;
    Span s{0, 1};
    for (int m = 0; m < piece.corners; ++m) {
        const QPointF e0 = piece.from(m);
        const QPointF e = piece.to(m) - e0;
        const double a = cross(e, p - e0); // inside while a + b t > 0
        const double b = cross(e, d);
        if (b == 0) {
            if (a > 0 || (a == 0 && piecePrecedes && dot(e, d) > 0))
                continue;
            return;
        }
        if (b > 0)
            s.from = std::max(s.from, -a / b);
        else
            s.to = std::min(s.to, -a / b);
    }
    if (s.from < s.to)
        spans.add(s);
}

// Twice the signed area swept by the parts of the edge p + t d that no span covers.
double uncovered(QPointF p, QPointF d, Spans& spans) {
    std::sort(spans.span.begin(), spans.span.begin() + spans.count,
              [](const Span& a, const Span& b) { return a.from < b.from; });
    double sum = 0;
    double t = 0;
    auto keep = [&](double to) {
        if (to > t)
            sum += cross(p + d * t, p + d * to);
    };
    for (int k = 0; k < spans.count; ++k) {
        const Span& s = spans.span[static_cast<std::size_t>(k)];
        keep(s.from);
        t = std::max(t, s.to);
    }
    keep(1);
    return sum;
}

// The pieces of others whose boxes meet the box of piece moved by offset: only they can
// cover any of its edges.
int nearPieces(const Piece& piece, QPointF offset, const Pieces& others, std::array<int, 7>& near) {
    int n = 0;
    for (int j = 0; j < 7; ++j) {
        const Piece& o = others[static_cast<std::size_t>(j)];
        if (piece.left + offset.x() <= o.right && piece.right + offset.x() >= o.left &&
            piece.top + offset.y() <= o.bottom && piece.bottom + offset.y() >= o.top)
            near[static_cast<std::size_t>(n++)] = j;
    }
    return n;
}

// A silhouette made ready for comparison: its pieces, and for every edge the parts that the
// other pieces of the same silhouette cover, which no shift changes. Its area is summed along
// its boundary: every edge counts where no other piece covers it.
class Layer {
public:
    explicit Layer(const Pieces& pieces) : pieces_(pieces) {
        for (int i = 0; i < 7; ++i) {
            const Piece& piece = pieces_[static_cast<std::size_t>(i)];
            std::array<int, 7> near{};
            const int n = nearPieces(piece, QPointF(), pieces_, near);
            for (int k = 0; k < piece.corners; ++k) {
                const QPointF d = piece.to(k) - piece.from(k);
                Spans& own = cover_[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
                for (int m = 0; m < n; ++m) {
                    const int j = near[static_cast<std::size_t>(m)];
                    if (j != i)
                        addCovered(piece.from(k), d, pieces_[static_cast<std::size_t>(j)], j < i,
                                   own);
                }
                Spans spans = own;
                area_ += uncovered(piece.from(k), d, spans) / 2;
            }
        }
    }

    double area() const { return area_; }
    const Pieces& pieces() const { return pieces_; }

    // The area of the union of this silhouette moved by shift and of other.
    double unionArea(QPointF shift, const Layer& other) const {
        return (boundaryOutside(shift, other.pieces_, QPointF(), true) +
                other.boundaryOutside(QPointF(), pieces_, shift, false)) /
               2;
    }

private:
    // Twice the area swept by the edges of this silhouette, moved by shift, where neither its
    // own pieces nor the given ones (moved by theirShift) cover them.
    double boundaryOutside(QPointF shift, const Pieces& theirs, QPointF theirShift,
                           bool theyPrecede) const {
        double twice = 0;
        for (int i = 0; i < 7; ++i) {
            const Piece& piece = pieces_[static_cast<std::size_t>(i)];
            std::array<int, 7> near{};
            const int n = nearPieces(piece, shift - theirShift, theirs, near);
            for (int k = 0; k < piece.corners; ++k) {
                const QPointF p = piece.from(k) + shift - theirShift;
                const QPointF d = piece.to(k) - piece.from(k);
                Spans spans = cover_[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
                for (int m = 0; m < n; ++m)
                    addCovered(p, d,
                               theirs[static_cast<std::size_t>(near[static_cast<std::size_t>(m)])],
                               theyPrecede, spans);
                twice += uncovered(p + theirShift, d, spans);
            }
        }
        return twice;
    }

    Pieces pieces_;
    std::array<std::array<Spans, 8>, 7> cover_{};
    double area_ = 0;
};

QPointF topLeft(const Pieces& pieces) {
    QPointF least(std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
    for (const Piece& p : pieces)
        least = QPointF(std::min(least.x(), p.left), std::min(least.y(), p.top));
    return least;
}

QPointF size(const Pieces& pieces) {
    QPointF most(std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest());
    for (const Piece& p : pieces)
        most = QPointF(std::max(most.x(), p.right), std::max(most.y(), p.bottom));
    return most - topLeft(pieces);
}

// How far apart the sizes of two silhouettes are, in pixels, in x or in y.
double sizeGap(const Pieces& a, const Pieces& b) {
    const QPointF d = size(a) - size(b);
    return std::max(std::abs(d.x()), std::abs(d.y()));
}

// The shift that puts the top left corner of b's silhouette onto a's.
QPoint alignmentOf(const Pieces& a, const Pieces& b) {
    const QPointF d = topLeft(a) - topLeft(b);
    return {static_cast<int>(std::lround(d.x())), static_cast<int>(std::lround(d.y()))};
}

double distanceToSegment(QPointF p, QPointF from, QPointF to) {
    const QPointF d = to - from;
    const double length2 = dot(d, d);
    const double t = length2 > 0 ? std::clamp(dot(p - from, d) / length2, 0.0, 1.0) : 0;
    const QPointF v = p - (from + d * t);
    return std::sqrt(dot(v, v));
}

// How far p lies from the piece (0 inside it), and how far from its outline.
std::pair<double, double> distances(QPointF p, const Piece& piece) {
    bool inside = piece.corners >= 3;
    double outline = std::numeric_limits<double>::max();
    for (int k = 0; k < piece.corners; ++k) {
        inside = inside && cross(piece.to(k) - piece.from(k), p - piece.from(k)) > 0;
        outline = std::min(outline, distanceToSegment(p, piece.from(k), piece.to(k)));
    }
    return {inside ? 0 : outline, outline};
}

// Whether a piece of a holds, around its centre, a disc that lies outside the band around
// b (moved by shift) for every shift within reach: the disc alone is then more excess than
// the tolerance allows. It rules most pairs out before anything is built.
bool sticksOut(const Pieces& a, const Pieces& b, QPointF shift) {
    const double radius = std::sqrt(ExcessTolerance / std::acos(-1.0)); // a disc that large
    const double band = (Band + Reach) * std::sqrt(2.0); // the band's reach over all shifts
    for (const Piece& piece : a) {
        QPointF centre;
        for (int k = 0; k < piece.corners; ++k)
            centre += piece.from(k) / piece.corners;
        const auto [outside, inner] = distances(centre, piece);
        if (outside > 0 || inner <= radius)
            continue;
        double far = std::numeric_limits<double>::max();
        for (const Piece& other : b)
            far = std::min(far, distances(centre - shift, other).first);
        if (far > band + radius)
            return true;
    }
    return false;
}

// Compares silhouette b, moved by some shift, with a. Shifts stay within Reach of the
// alignment of the top left corners.
class Matcher {
public:
    Matcher(const Pieces& a, const Pieces& b)
        : a_(a), b_(b), grownA_(grownPieces(a, Band)), grownB_(grownPieces(b, Band)),
          alignment_(alignmentOf(a, b)) {
        excesses_.fill(-1);
    }

    QPoint alignment() const { return alignment_; }
    bool inReach(QPoint shift) const {
        const QPoint d = shift - alignment_;
        return std::abs(d.x()) <= Reach && std::abs(d.y()) <= Reach;
    }

    double difference(QPoint shift) const {
        return 2 * b_.unionArea(shift, a_) - a_.area() - b_.area();
    }

    // The area of a outside the band around b, and of b outside the band around a; each
    // shift is measured once.
    double excess(QPoint shift) {
        const QPoint d = shift - alignment_ + QPoint(Reach, Reach);
        double& value = excesses_[static_cast<std::size_t>(d.y() * Side + d.x())];
        if (value < 0)
            value = std::max(0.0, excess(a_, b_, grownA_, grownB_, shift));
        return value;
    }

    // No shift within Reach brings the excess below this: the bands of all those shifts lie
    // inside a band Reach pixels wider around the alignment.
    double leastExcess() const {
        const Layer wideA(grownPieces(a_.pieces(), Band + Reach));
        const Layer wideB(grownPieces(b_.pieces(), Band + Reach));
        return excess(a_, b_, wideA, wideB, alignment_);
    }

private:
    static constexpr int Side = 2 * Reach + 1;

    static double excess(const Layer& a, const Layer& b, const Layer& grownA, const Layer& grownB,
                         QPoint shift) {
        return grownB.unionArea(shift, a) - grownB.area() + b.unionArea(shift, grownA) -
               grownA.area();
    }

    Layer a_, b_, grownA_, grownB_;
    QPoint alignment_;
    std::array<double, Side * Side> excesses_{};
};

// Walks from the alignment of the top left corners to the best of the eight neighbouring
// shifts while that lowers the excess, and stops once it is at most enough. The excess grows
// with the distance from the best shift much as a sum of absolute values does, so the walk
// finds it.
QPoint closestShift(Matcher& matcher, double enough) {
    QPoint best = matcher.alignment();
    double least = matcher.excess(best);
    while (least > enough) {
        const QPoint centre = best;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint s = centre + QPoint(dx, dy);
                if (s == centre || !matcher.inReach(s))
                    continue;
                const double m = matcher.excess(s);
                if (m < least) {
                    least = m;
                    best = s;
                }
            }
        }
        if (best == centre)
            break;
    }
    return best;
}

} // namespace

double area(const Arrangement& pieces) {
    return Layer(piecesOf(pieces)).area();
}

Comparison compare(const Arrangement& a, const Arrangement& b) {
    Matcher matcher(piecesOf(a), piecesOf(b));
    const QPoint shift = closestShift(matcher, 0);
    return {matcher.difference(shift), matcher.excess(shift), shift};
}

double widestOverlap(const Arrangement& pieces) {
    std::array<PieceGeometry::Polygon, 7> polygons;
    for (std::size_t k = 0; k < 7; ++k)
        polygons[k] = PieceGeometry::drawnPolygon(pieces[k]);
    double thickest = 0;
    for (std::size_t a = 0; a < 7; ++a) {
        for (std::size_t b = a + 1; b < 7; ++b) {
            const PieceGeometry::Polygon common =
                PieceGeometry::intersection(polygons[a], polygons[b]);
            if (!common.isEmpty())
                thickest = std::max(thickest, PieceGeometry::width(common));
        }
    }
    return thickest;
}

bool sameSilhouette(const Arrangement& built, const Arrangement& target) {
    const Pieces a = piecesOf(built);
    const Pieces b = piecesOf(target);
    const QPoint shift = alignmentOf(a, b);
    if (sizeGap(a, b) > SizeTolerance || sticksOut(a, b, shift) || sticksOut(b, a, -shift) ||
        widestOverlap(built) > OverlapTolerance)
        return false;
    Matcher matcher(a, b);
    if (matcher.excess(matcher.alignment()) <= ExcessTolerance)
        return true;
    // Before walking: whether any shift within reach could do.
    return matcher.leastExcess() <= ExcessTolerance &&
           matcher.excess(closestShift(matcher, ExcessTolerance)) <= ExcessTolerance;
}

} // namespace Silhouette
