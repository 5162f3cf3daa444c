// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

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

qreal primaryScreenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// Steps kept to redraw the screen picture at another ratio: enough for a long drag between
// two clearings; beyond it the picture is scaled instead.
constexpr std::size_t MaxScreenSteps = 100000;

} // namespace

Surface::Surface(int width, int height, ColourValue background, QObject* parent, Kind kind)
    : QObject(parent), size_(width, height), kind_(kind), background_(background),
      cleared_(background), clip_(whole()) {
    if (kind_ == Kind::Smooth)
        ratio_ = primaryScreenRatio();
    Cls();
}

QImage& Surface::pixels() const {
    if (image_.isNull()) {
        image_ = QImage(size_, QImage::Format_RGB32);
        image_.fill(toQRgb(cleared_));
    }
    return image_;
}

const QImage& Surface::screenImage() const {
    if (kind_ != Kind::Smooth)
        return pixels();
    if (screen_.isNull()) {
        screen_ = QImage(size_ * ratio_, QImage::Format_RGB32);
        screen_.setDevicePixelRatio(ratio_);
        redrawScreen();
    }
    return screen_;
}

void Surface::setDevicePixelRatio(qreal ratio) {
    if (kind_ != Kind::Smooth || ratio == ratio_)
        return;
    ratio_ = ratio;
    if (screen_.isNull())
        return; // made at this ratio when first shown
    screen_ = QImage();
    emit refreshed(whole());
}

// On the screen picture lines are one logical pixel wide at every ratio, centred on the
// pixels the exact drawing sets, so both pictures agree but for the blended edges.
void Surface::drawOnScreen(QPainter& painter, const KeptStep& kept) const {
    painter.save();
    if (kept.clip != whole())
        painter.setClipRect(kept.clip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(0.5, 0.5);
    kept.step(painter);
    painter.restore();
}

void Surface::redrawScreen() const {
    QPainter p(&screen_);
    if (steps_.size() >= MaxScreenSteps) {
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(size_)), pixels());
        return;
    }
    p.fillRect(whole(), toQColor(cleared_));
    for (const KeptStep& kept : steps_)
        drawOnScreen(p, kept);
}

void Surface::onScreen(ScreenStep step) {
    if (kind_ != Kind::Smooth)
        return;
    KeptStep kept{clip_, std::move(step)};
    if (!screen_.isNull()) {
        QPainter p(&screen_);
        drawOnScreen(p, kept);
    }
    if (steps_.size() < MaxScreenSteps)
        steps_.push_back(std::move(kept));
}

bool Surface::paintable(const QRect& touched, QPainter& painter) {
    const QRect visible = touched & clip_;
    if (visible.isEmpty())
        return false;
    dirty_ |= visible;
    painter.begin(&pixels());
    if (clip_ != whole())
        painter.setClipRect(clip_);
    return true;
}

void Surface::Polygon(const QPoint* points, int count) {
    QPainter p;
    if (!paintable(reach(points, count), p))
        return;
    const QColor outline = toQColor(ForeColor);
    const QBrush fill = FillStyle_ == FillStyle::Solid ? QBrush(toQColor(FillColor)) : Qt::NoBrush;
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
    // Not QRect::normalized, which drops a row and a column of corners given right to left.
    const QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)),
                    QPoint(std::max(x1, x2), std::max(y1, y2)));
    QPainter p;
    if (!paintable(box, p))
        return;
    p.setPen(QPen(toQColor(colour), 0));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.end();
    onScreen([line = toQColor(colour), box](QPainter& s) {
        s.setPen(QPen(line, 1));
        s.setBrush(Qt::NoBrush);
        s.drawRect(QRectF(QPointF(box.topLeft()), QPointF(box.bottomRight())));
    });
}

void Surface::CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest) {
    QPainter p;
    if (!paintable(QRect(dest, (sourceRect & source.whole()).size()), p))
        return;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, source.image(), sourceRect);
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
    const QFontMetrics metrics(Font);
    const QRect touched = metrics.boundingRect(text).translated(x, y + metrics.ascent());
    QPainter p;
    if (!paintable(touched.adjusted(-2, -2, 2, 2), p))
        return;
    const QColor colour = toQColor(ForeColor);
    const QPoint at(x, y + metrics.ascent());
    p.setPen(colour);
    p.setFont(Font);
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
    if (clip_ == whole()) {
        cleared_ = background_;
        if (!image_.isNull())
            image_.fill(toQRgb(cleared_));
        steps_.clear();
        if (!screen_.isNull())
            screen_.fill(toQRgb(cleared_));
    } else {
        QPainter p(&pixels());
        p.fillRect(clip_, QColor::fromRgb(toQRgb(background_)));
        p.end();
        onScreen([area = clip_, colour = toQColor(background_)](QPainter& s) {
            s.translate(-0.5, -0.5);
            s.fillRect(area, colour);
        });
    }
    dirty_ |= clip_;
}

ColourValue Surface::Point(int x, int y) const {
    if (!whole().contains(x, y))
        return background_;
    return image_.isNull() ? cleared_ : fromQRgb(image_.pixel(x, y));
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
