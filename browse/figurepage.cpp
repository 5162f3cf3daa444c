// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurepage.h"

#include "platform/canvas.h"
#include "platform/surface.h"
#include "puzzle/numbers.h"
#include "puzzle/pelorin1.h"

#include <cmath>

namespace {

int twipsToPixels(double twips, double twipsPerPixel) {
    return CLng(twips / twipsPerPixel);
}

// The cell's frame: a white outline from the top of the page down to the cell's bottom,
// and a grey one a little below and to the right; together the cells draw a grid.
template <class Page>
void drawFrame(const PELORIN1& game, const PageGrid& grid, int r, int c, Page& page) {
    const double tx = game.TwipsX;
    const double ty = game.TwipsY;
    const double cell = grid.cellTwips;
    const double d = 8 * static_cast<double>(game.PixScaleX);
    page.FillStyle_ = Surface::FillStyle::Transparent;
    page.Rectangle(twipsToPixels((c - 1) * cell, tx), 0, twipsToPixels(c * cell, tx),
                   twipsToPixels(r * cell, ty), QBColor(15));
    page.Rectangle(twipsToPixels((c - 1) * cell + d, tx), twipsToPixels(d, ty),
                   twipsToPixels(c * cell + d, tx), twipsToPixels(r * cell + d, ty), QBColor(8));
}

template <class Page>
void drawNumber(const PELORIN1& game, const PageGrid& grid, int n, int r, int c, Page& page) {
    page.ForeColor = QBColor(0);
    page.Print(twipsToPixels(c * grid.cellTwips - 400, game.TwipsX),
               twipsToPixels(r * grid.cellTwips - 200, game.TwipsY), SignedNumber(n));
}

// In the cell's bottom right corner and under the figure, which it never hides.
template <class Page>
void drawTick(const PELORIN1& game, const PageGrid& grid, int r, int c, Page& page) {
    const QPoint corner(twipsToPixels(c * grid.cellTwips, game.TwipsX),
                        twipsToPixels(r * grid.cellTwips, game.TwipsY));
    const std::array<QPoint, 6> tick =
        SolvedTick(corner - QPoint(TickSize.width(), TickSize.height()) - QPoint(3, 3));
    page.FillStyle_ = Surface::FillStyle::Solid;
    page.FillColor = TickColour;
    page.ForeColor = TickColour;
    page.Polygon(tick.data(), static_cast<int>(tick.size()));
}

} // namespace

PageStyle ThumbnailStyle() {
    return {QBColor(0), QBColor(0), false, true};
}

PageStyle PrintStyle(bool showSolution) {
    const ColourValue grey = RGB(100, 100, 100);
    return {grey, showSolution ? QBColor(15) : grey, true, false};
}

std::array<QPoint, 4> CellPiece(const PELORIN1& game, const PageGrid& grid, int n, int p, int r,
                                int c) {
    const auto f = static_cast<std::size_t>(n);
    const auto i = static_cast<std::size_t>(p);
    const double x = game.FigX[f][i] + 1;
    const double y = game.FigY[f][i] + 1;
    const auto& shape = game.Shape[i][static_cast<std::size_t>(game.FigOrient[f][i] & 7)];
    const double scale = grid.scale;
    const double left =
        (c - 1) * grid.stepX * static_cast<double>(game.PixScaleX) + 100 / game.TwipsX;
    const double top =
        (r - 1) * grid.stepY * static_cast<double>(game.PixScaleY) + CLng(100 / game.TwipsY);
    std::array<QPoint, 4> points;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const double u = std::floor((x + shape[2 * k + 1]) * scale);
        const double v = std::floor((y + shape[2 * k + 2]) * scale);
        points[k] = QPoint(CLng(left + u), CLng(top + v));
    }
    return points;
}

template <class Page>
int DrawPage(const PELORIN1& game, const PageGrid& grid, int firstShown, const PageStyle& style,
             Page& page) {
    page.Cls();
    int n = firstShown;
    for (int r = 1; r <= grid.rows; ++r) {
        for (int c = 1; c <= grid.columns; ++c) {
            ++n;
            if (n > game.FigureCount)
                return n - 1 - firstShown;
            drawFrame(game, grid, r, c, page);
            if (style.ticked && game.FigureSolved(n))
                drawTick(game, grid, r, c, page);
            page.FillStyle_ = Surface::FillStyle::Solid;
            page.FillColor = style.fill;
            page.ForeColor = style.outline;
            for (int p = 0; p < PELORIN1::Pieces; ++p) {
                const std::array<QPoint, 4> points = CellPiece(game, grid, n, p, r, c);
                page.Polygon(points.data(), 4);
            }
            if (style.numbered)
                drawNumber(game, grid, n, r, c, page);
        }
    }
    return grid.perPage();
}

template int DrawPage(const PELORIN1&, const PageGrid&, int, const PageStyle&, Surface&);
template int DrawPage(const PELORIN1&, const PageGrid&, int, const PageStyle&, Canvas&);

int FigureAt(const PELORIN1& game, const PageGrid& grid, int firstShown, QPoint pixel) {
    const double column = std::floor(pixel.x() * game.TwipsX / grid.cellTwips);
    const double row = std::floor(pixel.y() * game.TwipsY / grid.cellTwips);
    if (column < 0 || column >= grid.columns || row < 0 || row >= grid.rows)
        return 0;
    const int n = static_cast<int>(column) + grid.columns * static_cast<int>(row) + 1 + firstShown;
    return game.HasFigure(n) ? n : 0;
}

QRect CellRect(const PELORIN1& game, const PageGrid& grid, int firstShown, int n) {
    const int index = n - 1 - firstShown;
    if (!game.HasFigure(n) || index < 0 || index >= grid.perPage())
        return {};
    const int column = index % grid.columns;
    const int row = index / grid.columns;
    const double cell = grid.cellTwips;
    const QPoint topLeft(twipsToPixels(column * cell, game.TwipsX),
                         twipsToPixels(row * cell, game.TwipsY));
    const QPoint end(twipsToPixels((column + 1) * cell, game.TwipsX),
                     twipsToPixels((row + 1) * cell, game.TwipsY));
    return {topLeft, end - QPoint(1, 1)};
}

ScrollRange PageScrollRange(const PageGrid& grid, int figureCount) {
    if (figureCount <= grid.perPage())
        return {false, 0};
    const int units = (figureCount + grid.scrollUnit - 1) / grid.scrollUnit;
    return {true, grid.scrollUnit * units - grid.perPage()};
}

QString SignedNumber(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString HoverText(int n) {
    return QStringLiteral("   ") + SignedNumber(n);
}
