// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

class PELORIN1;

// Composing a figure on the board and appending it to the collection.

// A set of pieces 0 to 6.
using PieceSet = std::bitset<7>;

// Lays the pieces onto the current figure's solution, its top left corner 50 pixels into
// the board.
void CopyFigure(PELORIN1& game);

// Checks the arrangement on the board, shows it as a silhouette in its yellow box and, once
// the player confirms, appends it to the collection and makes it the current figure.
void AppendFigure(PELORIN1& game);

// -1 when the seven pieces form one cluster; the lowest piece that touches no other; -99
// when they fall into several clusters. Reads contacts from the hit map.
std::int16_t CheckConnection(PELORIN1& game);
PieceSet FindNeighbours(PELORIN1& game, int piece);
// Grows cluster by one pass: every neighbour of a member joins.
void JoinNeighbours(const std::array<PieceSet, 7>& neighbours, PieceSet& cluster);

// Whole-number percentage of the board pixels in the rectangle (both corners included)
// that differ from the board's background.
double CoveragePercent(const PELORIN1& game, int left, int top, int right, int bottom);
