// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

qreal primaryScreenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// Steps kept to redraw the screen picture at another ratio: enough for a long drag between
// two clearings; beyond it the picture is scaled instead.
constexpr std::size_t MaxScreenSteps = 100000;

// On the screen picture lines are one logical pixel wide at every ratio, centred on the
// pixels the exact drawing sets, so both pictures agree but for the blended edges.
void prepareScreenPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(0.5, 0.5);
}

} // namespace

Surface::Surface(int width, int height, ColourValue background, QObject* parent, Kind kind)
    : QObject(parent), image_(width, height, QImage::Format_RGB32), kind_(kind),
      background_(background) {
    if (kind_ == Kind::Smooth)
        setDevicePixelRatio(primaryScreenRatio());
    Cls();
}

void Surface::setDevicePixelRatio(qreal ratio) {
    if (kind_ != Kind::Smooth || (!screen_.isNull() && screen_.devicePixelRatio() == ratio))
        return;
    screen_ = QImage(image_.size() * ratio, QImage::Format_RGB32);
    screen_.setDevicePixelRatio(ratio);
    redrawScreen();
    emit refreshed();
}

void Surface::redrawScreen() {
    QPainter p(&screen_);
    if (steps_.size() >= MaxScreenSteps) {
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size())), image_);
        return;
    }
    p.fillRect(QRect(QPoint(0, 0), image_.size()), toQColor(background_));
    prepareScreenPainter(p);
    for (const ScreenStep& step : steps_) {
        p.save();
        step(p);
        p.restore();
    }
}

void Surface::onScreen(ScreenStep step) {
    if (kind_ != Kind::Smooth)
        return;
    QPainter p(&screen_);
    prepareScreenPainter(p);
    step(p);
    if (steps_.size() < MaxScreenSteps)
        steps_.push_back(std::move(step));
}

void Surface::Polygon(const QPoint* points, int count) {
    const QColor outline = toQColor(ForeColor);
    const QBrush fill = FillStyle_ == FillStyle::Solid ? QBrush(toQColor(FillColor)) : Qt::NoBrush;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(outline, 0));
    p.setBrush(fill);
    p.drawPolygon(points, count);
    p.end();
    // Drawn in the background colour, a polygon erases: unblended and a pixel wider, or the
    // blended fringe of what it covers would stay behind.
    const bool erasing = ForeColor == background_ &&
                         (FillStyle_ == FillStyle::Transparent || FillColor == background_);
    onScreen([outline, fill, erasing,
              polygon = QPolygon(QList<QPoint>(points, points + count))](QPainter& s) {
        s.setRenderHint(QPainter::Antialiasing, !erasing);
        s.setPen(QPen(outline, erasing ? 2 : 1));
        s.setBrush(fill);
        s.drawPolygon(polygon);
    });
}

void Surface::Rectangle(int x1, int y1, int x2, int y2, ColourValue colour) {
    const QRect rect = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(colour), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.end();
    onScreen([line = toQColor(colour), rect](QPainter& s) {
        s.setPen(QPen(line, 1));
        s.setBrush(Qt::NoBrush);
        s.drawRect(QRectF(QPointF(rect.topLeft()), QPointF(rect.bottomRight())));
    });
}

void Surface::CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest) {
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, source.image_, sourceRect);
    p.end();
    const QImage picture = source.screenImage();
    const qreal ratio = picture.devicePixelRatio();
    const QRectF from(QPointF(sourceRect.topLeft()) * ratio, QSizeF(sourceRect.size()) * ratio);
    onScreen([picture, from, to = QRectF(dest, QSizeF(sourceRect.size()))](QPainter& s) {
        s.translate(-0.5, -0.5);
        s.setCompositionMode(QPainter::CompositionMode_Source);
        s.drawImage(to, picture, from);
    });
}

void Surface::Print(int x, int y, const QString& text) {
    const QColor colour = toQColor(ForeColor);
    QPainter p(&image_);
    p.setPen(colour);
    p.setFont(Font);
    const QPoint at(x, y + QFontMetrics(Font).ascent());
    p.drawText(at, text);
    p.end();
    onScreen([colour, font = Font, at, text](QPainter& s) {
        s.translate(-0.5, -0.5);
        s.setPen(colour);
        s.setFont(font);
        s.drawText(at, text);
    });
}

void Surface::Cls() {
    image_.fill(toQRgb(background_));
    if (kind_ == Kind::Smooth) {
        steps_.clear();
        screen_.fill(toQRgb(background_));
    }
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
