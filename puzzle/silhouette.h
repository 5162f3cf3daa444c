// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <array>

// The silhouette of an arrangement of the seven pieces: the area their drawn polygons cover
// together. Two arrangements form the same figure when their silhouettes agree up to
// position, however the pieces lie inside; this is how the game recognises a figure built
// in another way than the recorded one, and how the collection checker finds figures that
// accept each other's solutions. Everything is computed on the exact outlines.
namespace Silhouette {

// A piece's five outline points as placed (the first four are drawn), in pixels.
using Outline = std::array<QPoint, 5>;
using Arrangement = std::array<Outline, 7>;

// Pieces dropped a couple of pixels off their places leave seams and edges that stray from
// the target by a few pixels, up to 2300 square pixels in all; a small triangle turned wrong
// in its place changes as little as 400. So the silhouettes are compared beyond a band:
// what lies further than Band pixels (in x or in y) from the other silhouette is the
// excess, and at most ExcessTolerance square pixels of it may. Measured on the 244 figures
// of the default collection: with every piece up to 3 pixels off the excess is 0; a piece
// in its place but turned wrong leaves at least 120, one turn short 260, moved by half its
// size 900.
constexpr double Band = 3;
constexpr double ExcessTolerance = 60;
// Widest common part of two pieces, in pixels across its narrowest, that is a seam between
// neighbours a couple of pixels off (up to 5.7 with every piece 2 pixels off) rather than a
// corner of one piece pushed into another (9.9 at least where a wrong piece hides its excess
// that way).
constexpr double OverlapTolerance = 7;
// Silhouettes whose widths or heights differ by more pixels are not compared further: a
// tip of a piece that sticks out beyond the band by d pixels covers at least 0.4 d² square
// pixels, so within ExcessTolerance it reaches at most 12 pixels further.
constexpr double SizeTolerance = 2 * (Band + 12);
// How far, in pixels in x and in y, one silhouette is moved over the other from the
// alignment of their top left corners, so that a piece a few pixels off along the edge
// does not spoil the comparison.
constexpr int Reach = 4;

// The area the pieces cover together, in square pixels.
double area(const Arrangement& pieces);

struct Comparison {
    double difference = 0; // area of the symmetric difference, square pixels
    double excess = 0;     // the part of it further than Band from the other silhouette
    QPoint shift;          // how far b was moved onto a
};

// The closest match of b onto a: b moved by at most Reach from the alignment of the top left
// corners of the two silhouettes, to where the excess is least.
Comparison compare(const Arrangement& a, const Arrangement& b);

// The widest overlap of two of the pieces, across its narrowest (PieceGeometry::width), in
// pixels; 0 when none overlap.
double widestOverlap(const Arrangement& pieces);

// Whether built forms target's silhouette up to position: no two of its pieces overlap by
// more than a seam, and at the closest match at most ExcessTolerance of either silhouette
// lies beyond the band around the other.
bool sameSilhouette(const Arrangement& built, const Arrangement& target);

} // namespace Silhouette
