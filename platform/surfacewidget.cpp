// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacewidget.h"

#include "surface.h"

#include <QPaintEvent>
#include <QPainter>

SurfaceWidget::SurfaceWidget(Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setFixedSize(surface.width(), surface.height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEnabled(surface.Enabled());
    setVisible(surface.Visible());
    connect(&surface, &Surface::refreshed, this, [this](const QRect& dirty) {
        if (!dirty.isEmpty())
            update(dirty);
    });
    connect(&surface, &Surface::enabledChanged, this, &QWidget::setEnabled);
    connect(&surface, &Surface::visibleChanged, this, &QWidget::setVisible);
}

void SurfaceWidget::setOverlay(std::function<void(QPainter&)> overlay) {
    overlay_ = std::move(overlay);
    update();
}

// The surface follows the ratio of the screen the window stands on, also after a move to
// another screen.
void SurfaceWidget::paintEvent(QPaintEvent* event) {
    surface_.setDevicePixelRatio(devicePixelRatioF());
    const QImage& picture = surface_.screenImage();
    const QRectF area(event->rect());
    const qreal ratio = picture.devicePixelRatio();
    QPainter p(this);
    p.drawImage(area, picture, QRectF(area.topLeft() * ratio, area.size() * ratio));
    if (overlay_)
        overlay_(p);
}
