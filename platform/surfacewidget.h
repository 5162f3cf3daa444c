#pragma once

#include <QWidget>

class Surface;

// Shows a Surface's image at 1:1 and repaints when the surface is refreshed. Follows the
// surface's enabled and visible state, as a picture box does.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    SurfaceWidget(Surface& surface, QWidget* parent = nullptr);

    Surface& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Surface& surface_;
};
