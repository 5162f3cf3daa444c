// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/colour.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>

class PELORIN1;
class Surface;

// The layout of a page of figure cells, filled row by row from the top left.
struct PageGrid {
    int columns;
    int rows;
    int cellTwips; // cells are square
    float scale;   // figure pixels to page pixels, single precision as the pages were drawn
    double stepX;  // pixels from one cell's figure to the next at 15 twips per pixel
    double stepY;
    int scrollUnit; // the scroll maximum is the collection rounded up to this, less a page
    int smallChange;

    int perPage() const { return columns * rows; }
};

// AllShapes: 8 x 8 thumbnails. PrintShapes: 5 x 4 cells, three times as large.
inline constexpr PageGrid ThumbnailGrid{8, 8, 720, 0.18f, 49.5, 48, 8, 8};
inline constexpr PageGrid PrintGrid{5, 4, 2160, 0.54f, 148.5, 144, 4, 5};

// How the figures of a page are painted.
struct PageStyle {
    ColourValue fill;
    ColourValue outline;
    bool numbered; // each cell carries its figure number
    bool ticked;   // a solved figure's cell carries a tick
};

// Black silhouettes with ticks on solved figures; grey ones for print, with white piece
// borders for the solution.
PageStyle ThumbnailStyle();
PageStyle PrintStyle(bool showSolution);

// The first four outline points of piece p of figure n in the cell of row r, column c
// (both from 1), in pixels of the page.
std::array<QPoint, 4> CellPiece(const PELORIN1& game, const PageGrid& grid, int n, int p, int r,
                                int c);

// Clears the page and draws the figures that follow the first firstShown ones, stopping
// after the last figure. Reads the game's figure table only; no play state changes.
// Returns the number of figures drawn. The page is a Surface (a window's picture) or a
// Canvas (a printer's page).
template <class Page>
int DrawPage(const PELORIN1& game, const PageGrid& grid, int firstShown, const PageStyle& style,
             Page& page);

// The figure whose cell lies under the pixel, or 0 when the cell is empty or the pixel lies
// outside the grid.
int FigureAt(const PELORIN1& game, const PageGrid& grid, int firstShown, QPoint pixel);

// The pixels of figure n's cell on the page that starts after firstShown figures; an empty
// rectangle when the figure is not on that page.
QRect CellRect(const PELORIN1& game, const PageGrid& grid, int firstShown, int n);

struct ScrollRange {
    bool enabled;
    int maximum;
};

// The scroll bar for a collection: disabled while one page holds it, otherwise reaching far
// enough that the last page shows the last figure.
ScrollRange PageScrollRange(const PageGrid& grid, int figureCount);

// The decimal number with a blank in the sign position when it is not negative: " 12".
QString SignedNumber(int n);

// The hover text of a thumbnail: "    12" for figure 12.
QString HoverText(int n);
