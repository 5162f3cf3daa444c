// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QPainter;
class Surface;

// Shows a Surface's image at 1:1 and repaints when the surface is refreshed. Follows the
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
    Surface& surface_;
    std::function<void(QPainter&)> overlay_;
};
