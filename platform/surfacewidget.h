// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

class QPainter;
class Surface;

// Shows a Surface's image at 1:1 and repaints when the surface is refreshed, at most once a
// frame: a pointer may move the picture more often than the screen can show it. Follows the
// surface's enabled and visible state, as a picture box does.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    SurfaceWidget(Surface& surface, QWidget* parent = nullptr);

    Surface& surface() const { return surface_; }

    // Painted over the image on screen only, never into the surface: a mark that is no part
    // of the picture and must not reach anything that reads the surface's pixels.
    void setOverlay(std::function<void(QPainter&)> overlay);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintSoon(const QRect& dirty);

    Surface& surface_;
    QRect waiting_; // refreshed since the last repaint, for the next frame
    QTimer nextFrame_;
    QElapsedTimer sincePaint_;
    std::function<void(QPainter&)> overlay_;
};
