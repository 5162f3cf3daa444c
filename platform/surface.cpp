// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// The bounding rectangle of the points, one pixel wider all round: a one-pixel outline may
// reach a pixel past the corner points.
QRect reach(const QPoint* points, int count) {
    if (count <= 0)
        return {};
    int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].x());
        right = std::max(right, points[i].x());
        top = std::min(top, points[i].y());
        bottom = std::max(bottom, points[i].y());
    }
    return QRect(QPoint(left - 1, top - 1), QPoint(right + 1, bottom + 1));
}

} // namespace

Surface::Surface(int width, int height, ColourValue background, QObject* parent)
    : QObject(parent), image_(width, height, QImage::Format_RGB32), background_(background),
      clip_(image_.rect()) {
    Cls();
}

bool Surface::paintable(const QRect& touched, QPainter& painter) {
    const QRect visible = touched & clip_;
    if (visible.isEmpty())
        return false;
    dirty_ |= visible;
    painter.begin(&image_);
    if (clip_ != image_.rect())
        painter.setClipRect(clip_);
    return true;
}

void Surface::Polygon(const QPoint* points, int count) {
    QPainter p;
    if (!paintable(reach(points, count), p))
        return;
    p.setPen(QPen(toQColor(ForeColor), 0));
    if (FillStyle_ == FillStyle::Solid)
        p.setBrush(toQColor(FillColor));
    p.drawPolygon(points, count);
}

void Surface::Rectangle(int x1, int y1, int x2, int y2, ColourValue colour) {
    // Not QRect::normalized, which drops a row and a column of corners given right to left.
    const QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)),
                    QPoint(std::max(x1, x2), std::max(y1, y2)));
    QPainter p;
    if (!paintable(box, p))
        return;
    p.setPen(QPen(toQColor(colour), 0));
    p.drawRect(box.adjusted(0, 0, -1, -1));
}

void Surface::CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest) {
    QPainter p;
    if (!paintable(QRect(dest, (sourceRect & source.image_.rect()).size()), p))
        return;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, source.image_, sourceRect);
}

void Surface::Print(int x, int y, const QString& text) {
    const QFontMetrics metrics(Font);
    const QRect touched = metrics.boundingRect(text).translated(x, y + metrics.ascent());
    QPainter p;
    if (!paintable(touched.adjusted(-2, -2, 2, 2), p))
        return;
    p.setPen(toQColor(ForeColor));
    p.setFont(Font);
    p.drawText(QPoint(x, y + metrics.ascent()), text);
}

void Surface::Cls() {
    if (clip_ == image_.rect()) {
        image_.fill(toQRgb(background_));
    } else {
        QPainter p(&image_);
        p.fillRect(clip_, QColor::fromRgb(toQRgb(background_)));
    }
    dirty_ |= clip_;
}

ColourValue Surface::Point(int x, int y) const {
    if (!image_.valid(x, y))
        return background_;
    return fromQRgb(image_.pixel(x, y));
}

void Surface::Refresh() {
    const QRect dirty = dirty_;
    dirty_ = QRect();
    emit refreshed(dirty);
}

void Surface::setEnabled(bool on) {
    if (enabled_ == on)
        return;
    enabled_ = on;
    emit enabledChanged(on);
}

void Surface::setVisible(bool on) {
    if (visible_ == on)
        return;
    visible_ = on;
    emit visibleChanged(on);
}
