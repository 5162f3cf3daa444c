// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface.h"

#include <QFont>
#include <QSize>

class QPainter;

// Draws as a Surface does, on any painter: in the page's pixels, with the outline colour, fill
// colour and fill style last set. Lines are one page pixel wide, so a painter scaled up to a
// printer's resolution draws the same page larger rather than with hairlines, and the text
// keeps its size against the figures.
class Canvas {
public:
    using FillStyle = Surface::FillStyle;

    Canvas(QPainter& painter, QSize size, ColourValue background, const QFont& font);

    ColourValue ForeColor = 0;
    ColourValue FillColor = 0;
    FillStyle FillStyle_ = FillStyle::Solid;

    void Polygon(const QPoint* points, int count);
    void Rectangle(int x1, int y1, int x2, int y2, ColourValue colour);
    void Print(int x, int y, const QString& text);
    void Cls();

private:
    QPainter& painter_;
    QSize size_;
    ColourValue background_;
    QFont font_;
};
