// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include <QFontMetrics>
#include <QPainter>

Surface::Surface(int width, int height, ColourValue background, QObject* parent)
    : QObject(parent), image_(width, height, QImage::Format_RGB32), background_(background) {
    Cls();
}

void Surface::Polygon(const QPoint* points, int count) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(ForeColor), 0));
    if (FillStyle_ == FillStyle::Solid)
        p.setBrush(toQColor(FillColor));
    else
        p.setBrush(Qt::NoBrush);
    p.drawPolygon(points, count);
}

void Surface::Rectangle(int x1, int y1, int x2, int y2, ColourValue colour) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(colour), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(0, 0, -1, -1));
}

void Surface::CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest) {
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, source.image_, sourceRect);
}

void Surface::Print(int x, int y, const QString& text) {
    QPainter p(&image_);
    p.setPen(toQColor(ForeColor));
    p.setFont(Font);
    p.drawText(QPoint(x, y + QFontMetrics(Font).ascent()), text);
}

void Surface::Cls() {
    image_.fill(toQRgb(background_));
}

ColourValue Surface::Point(int x, int y) const {
    if (!image_.valid(x, y))
        return background_;
    return fromQRgb(image_.pixel(x, y));
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
