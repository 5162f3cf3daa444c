// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "puzzle/silhouette.h"

#include <array>
#include <bitset>
#include <vector>

// What a player sees of a figure's silhouette, for the collection checker: whether it is
// the shape of another figure turned or mirrored, whether it encloses a hole, and where its
// outline makes a step so small that it gives a joint between two pieces away.
namespace FigureShape {

// Silhouettes are compared sampled every SampleStep pixels: fine enough that a small
// triangle moved elsewhere changes the overlap by several percent, coarse enough that
// comparing every pair of a collection in all eight ways takes a moment.
constexpr int SampleStep = 2;
constexpr int MaxSamples = 192; // 384 pixels, more than appending allows

// The silhouette sampled in one of the eight ways it can be turned or mirrored, its top left
// corner at the origin.
struct Sampled {
    int width = 0; // in samples
    int height = 0;
    int count = 0; // samples covered
    std::vector<std::bitset<MaxSamples>> rows;
    std::vector<int> rowCounts; // samples covered in each row and in each column
    std::vector<int> columnCounts;
};

// The silhouette as it is (0), turned by 90, 180 and 270 degrees (1 to 3), and the same
// four mirrored left to right (4 to 7).
std::array<Sampled, 8> turnsAndMirrors(const Silhouette::Arrangement& pieces);

// The largest share, in percent, of the larger of two silhouettes that both cover, over
// the eight ways of laying the second onto the first as it is (way 0 of a), when it is at
// least atLeast percent; 0 below. way tells which of b's eight ways it was.
int bestOverlap(const Sampled& a, const std::array<Sampled, 8>& b, int atLeast, int* way = nullptr);

// Pixels inside the silhouette that no piece covers and that cannot be reached from outside
// it.
int holeArea(const Silhouette::Arrangement& pieces);

// The outline of the silhouette as straight stretches; each is the length of one.
std::vector<double> outlineStretches(const Silhouette::Arrangement& pieces);

} // namespace FigureShape
