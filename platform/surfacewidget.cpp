// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacewidget.h"

#include "surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

SurfaceWidget::SurfaceWidget(Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setFixedSize(surface.width(), surface.height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEnabled(surface.Enabled());
    setVisible(surface.Visible());
    nextFrame_.setSingleShot(true);
    nextFrame_.setTimerType(Qt::PreciseTimer);
    connect(&nextFrame_, &QTimer::timeout, this, [this] {
        update(waiting_);
        waiting_ = QRect();
    });
    connect(&surface, &Surface::refreshed, this, &SurfaceWidget::repaintSoon);
    connect(&surface, &Surface::enabledChanged, this, &QWidget::setEnabled);
    connect(&surface, &Surface::visibleChanged, this, &QWidget::setVisible);
}

void SurfaceWidget::setOverlay(std::function<void(QPainter&)> overlay) {
    overlay_ = std::move(overlay);
    update();
}

void SurfaceWidget::repaintSoon(const QRect& dirty) {
    if (dirty.isEmpty())
        return;
    waiting_ |= dirty;
    if (nextFrame_.isActive())
        return;
    const qreal rate = screen() ? screen()->refreshRate() : 0;
    const int frame = rate >= 1 ? static_cast<int>(1000 / rate) : 16;
    const int wait = sincePaint_.isValid() ? frame - static_cast<int>(sincePaint_.elapsed()) : 0;
    if (wait > 0) {
        nextFrame_.start(std::min(wait, frame));
        return;
    }
    update(waiting_);
    waiting_ = QRect();
}

// The surface follows the ratio of the screen the window stands on, also after a move to
// another screen.
void SurfaceWidget::paintEvent(QPaintEvent* event) {
    sincePaint_.start();
    if (event->rect().contains(waiting_)) {
        waiting_ = QRect(); // painted already: no frame left to wait for
        nextFrame_.stop();
    }
    surface_.setDevicePixelRatio(devicePixelRatioF());
    const QImage& picture = surface_.screenImage();
    const QRectF area(event->rect());
    const qreal ratio = picture.devicePixelRatio();
    QPainter p(this);
    p.drawImage(area, picture, QRectF(area.topLeft() * ratio, area.size() * ratio));
    if (const Surface::Floating* floating = surface_.floating();
        floating && floating->box.intersects(event->rect()))
        p.drawImage(QRectF(floating->box), floating->picture);
    if (overlay_)
        overlay_(p);
}
