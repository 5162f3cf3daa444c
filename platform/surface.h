// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

// A picture box: a persistent image with a current outline colour, fill colour and fill
// style. Drawing is pixel-exact (no antialiasing) so that colours read back unchanged. A
// smooth surface, one the player sees, also keeps a picture for the screen: drawn at the
// screen's device pixel ratio with antialiased edges, shown but never read by the game.
// Both pictures are made at their first use, so that a window never shown holds none.
class Surface : public QObject {
    Q_OBJECT
public:
    enum class FillStyle { Solid, Transparent };
    enum class Kind { Exact, Smooth };

    Surface(int width, int height, ColourValue background, QObject* parent = nullptr,
            Kind kind = Kind::Exact);

    // Sizes and coordinates are logical pixels at every device pixel ratio.
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    // What the game reads: pixel-exact, one pixel per logical pixel.
    const QImage& image() const { return pixels(); }
    // What the screen shows: the exact image, or for a smooth surface the antialiased one at
    // the device pixel ratio.
    const QImage& screenImage() const;
    // A smooth surface redraws its screen picture at the new ratio, from what was drawn
    // since it was last cleared whole.
    void setDevicePixelRatio(qreal ratio);

    ColourValue BackColor() const { return background_; }
    void setBackColor(ColourValue c) { background_ = c; }

    ColourValue ForeColor = 0;
    ColourValue FillColor = 0;
    FillStyle FillStyle_ = FillStyle::Solid;
    QFont Font;

    // A filled polygon (when the fill style is solid) with a one-pixel outline.
    void Polygon(const QPoint* points, int count);
    // Outline of the rectangle between two corners, both included.
    void Rectangle(int x1, int y1, int x2, int y2, ColourValue colour);
    // Replaces the pixels of dest at (dx, dy) with the given rectangle of source.
    void CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest);
    // Text in the outline colour and the surface's font, its top-left corner at (x, y).
    void Print(int x, int y, const QString& text);
    void Cls();
    ColourValue Point(int x, int y) const;

    // Until Unclip, drawing changes no pixel outside this rectangle; a polygon wholly outside
    // it is not drawn at all.
    void ClipTo(const QRect& rect) { clip_ = rect & whole(); }
    void Unclip() { clip_ = whole(); }

    // The rectangle that drawing touched since the last refresh (empty when nothing was).
    QRect Dirty() const { return dirty_; }
    // Makes what was drawn visible: the widget showing the surface repaints the dirty
    // rectangle only.
    void Refresh();

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool Visible() const { return visible_; }
    void setVisible(bool on);

signals:
    void refreshed(const QRect& dirty);
    void enabledChanged(bool enabled);
    void visibleChanged(bool visible);

private:
    // A painter on the image with the clip applied, or none when the rectangle drawn on lies
    // wholly outside the clip; marks the visible part of the rectangle dirty.
    bool paintable(const QRect& touched, QPainter& painter);
    QRect whole() const { return QRect(QPoint(), size_); }
    // The exact image, made in the colour of the last whole clearing when first asked for.
    QImage& pixels() const;

    // Draws the step on the screen picture within the clip, and keeps it to draw again at
    // another ratio.
    using ScreenStep = std::function<void(QPainter&)>;
    struct KeptStep {
        QRect clip;
        ScreenStep step;
    };
    void onScreen(ScreenStep step);
    void drawOnScreen(QPainter& painter, const KeptStep& kept) const;
    void redrawScreen() const;

    QSize size_;
    mutable QImage image_;
    Kind kind_;
    mutable QImage screen_;
    qreal ratio_ = 1;             // of the screen picture
    std::vector<KeptStep> steps_; // since the last whole clearing
    ColourValue background_;
    ColourValue cleared_; // the colour of the last whole clearing
    QRect clip_;
    QRect dirty_;
    bool enabled_ = true;
    bool visible_ = true;
};
