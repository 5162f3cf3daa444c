// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figurefile.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <array>
#include <cmath>

// Exact geometry of placed pieces: every piece is a convex polygon, so overlap and contact
// are computed on the outlines themselves rather than on drawn pixels.
namespace PieceGeometry {

using Polygon = QList<QPointF>;

inline double cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

inline double dot(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}

inline double length(QPointF v) {
    return std::sqrt(dot(v, v));
}

// A piece's five outline points in every orientation, as the readers build them from a
// header: offsets from the piece's origin in pixels.
struct PieceSet {
    std::array<std::array<std::array<QPoint, 5>, 8>, 7> outline{};
    // Orientations whose shape record is in diagonal (34-pixel) units.
    std::array<std::array<bool, 8>, 7> diagonal{};
};

PieceSet pieceSetFrom(const FigureFile::PieceSetFields& fields);

// The five outline points of piece i in orientation o with its origin at (x, y).
std::array<QPoint, 5> placedOutline(const PieceSet& set, int i, int o, int x, int y);

// The drawn polygon (the first four outline points) without repeated corners, turning
// counter-clockwise as seen on the screen.
Polygon drawnPolygon(const std::array<QPoint, 5>& outline);

double area(const Polygon& polygon);

// The common part of two convex polygons of drawnPolygon's orientation (empty when they
// only touch or lie apart).
Polygon intersection(const Polygon& a, const Polygon& b);

// How thick an overlap is: its area over its longest side, the width of a strip.
double thickness(const Polygon& overlap);

// The narrowest a convex polygon is across: the least distance between two parallel lines
// that hold it between them. A seam between pieces is narrow however long it is; a corner of
// a piece pushed into another is not.
double width(const Polygon& polygon);

// Total length along which an edge of a and an edge of b lie on one line, both edges
// parallel and no further apart than tolerance pixels.
double sharedEdgeLength(const Polygon& a, const Polygon& b, double tolerance);

} // namespace PieceGeometry
