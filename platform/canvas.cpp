// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

// A point size means another pixel size on a printer; the page's pixels are what count.
QFont inPagePixels(const QFont& font) {
    QFont f = font;
    f.setPixelSize(QFontInfo(font).pixelSize());
    return f;
}

} // namespace

Canvas::Canvas(QPainter& painter, QSize size, ColourValue background, const QFont& font)
    : painter_(painter), size_(size), background_(background), font_(inPagePixels(font)) {}

void Canvas::Polygon(const QPoint* points, int count) {
    painter_.setPen(QPen(toQColor(ForeColor), 1));
    painter_.setBrush(FillStyle_ == FillStyle::Solid ? QBrush(toQColor(FillColor)) : Qt::NoBrush);
    painter_.drawPolygon(points, count);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2, ColourValue colour) {
    painter_.setPen(QPen(toQColor(colour), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(0, 0, -1, -1));
}

void Canvas::Print(int x, int y, const QString& text) {
    painter_.setPen(toQColor(ForeColor));
    painter_.setFont(font_);
    painter_.drawText(QPoint(x, y + QFontMetrics(font_).ascent()), text);
}

void Canvas::Cls() {
    painter_.fillRect(QRect(QPoint(0, 0), size_), toQColor(background_));
}
