// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// A picture box: a persistent image with a current outline colour, fill colour and fill
// style. Drawing is pixel-exact (no antialiasing) so that colours read back unchanged. A
// smooth surface, one the player sees, also keeps a picture for the screen: drawn at the
// screen's device pixel ratio with antialiased edges, shown but never read by the game.
// Drawing is kept as steps and reaches a picture only when that picture is next read or
// shown, all pending steps with one painter: a picture that is never shown (or never read)
// is never made, and a drag draws on the screen picture only.
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
    const QImage& image() const { return exact(); }
    // What the screen shows: the exact image, or for a smooth surface the antialiased one at
    // the device pixel ratio; while an outline floats, the picture beneath it.
    const QImage& screenImage() const {
        if (kind_ == Kind::Exact)
            return exact();
        return floating_ ? ground_ : screen();
    }
    // A smooth surface draws its screen picture afresh at the new ratio, from what was drawn
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
    // The outline of a dragged piece on a smooth surface's screen picture: drawn once as a
    // small picture of its own and moved over the picture as it was at the first float, which
    // is not drawn again until the surface is next cleared whole. The caller draws the outline
    // as a polygon as well, for the exact picture, and between two floats erases the last one
    // and repairs what it covered, so that what the screen would show does not change.
    void FloatOutline(const QPoint* points, int count, ColourValue colour);
    struct Floating {
        QImage picture;            // at the screen picture's ratio, clear but for the outline
        QRect box;                 // where it shows, in logical pixels
        std::vector<QPoint> shape; // the corners, from the box's top-left corner
        QRgb colour = 0;
    };
    const Floating* floating() const { return floating_ ? &*floating_ : nullptr; }
    // Outline of the rectangle between two corners, both included.
    void Rectangle(int x1, int y1, int x2, int y2, ColourValue colour);
    // Replaces the pixels of dest at (dx, dy) with the given rectangle of source.
    void CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest);
    // Text in the outline colour and the surface's font, its top-left corner at (x, y).
    void Print(int x, int y, const QString& text);
    void Cls();
    ColourValue Point(int x, int y) const {
        if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height())
            return background_;
        if (exactDrawn_ == steps_.size() && !image_.isNull())
            return fromQRgb(image_.pixel(x, y)); // read pixel by pixel: kept short
        return drawnPoint(x, y);
    }

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
    // The drawing calls, as kept until the pictures have them.
    struct PolygonStep {
        QRgb outline;
        QRgb fill;
        bool solid;
        bool erasing;        // in the background colour
        std::uint32_t first; // in points_
        std::uint32_t count;
    };
    struct RectangleStep {
        QRgb colour;
        QRect box;
    };
    struct Copied;
    struct CopyStep {
        std::shared_ptr<const Copied> source;
        QRect from;
        QPoint to;
    };
    struct TextStep {
        QRgb colour;
        QFont font;
        QPoint at;
        QString text;
    };
    struct FillStep {
        QRgb colour;
        QRect area;
    };
    struct Step {
        QRect clip;
        std::variant<PolygonStep, RectangleStep, CopyStep, TextStep, FillStep> what;
    };
    // A copied surface as it was at the copy: what was drawn on it, or when that is not at
    // hand, its pictures.
    struct Copied {
        QRect whole;
        ColourValue cleared;
        std::vector<Step> steps;
        std::vector<QPoint> points;
        QImage exact;
        QImage screen;
        bool drawn; // steps and points, not pictures
    };
    class StepPainter;

    QRect whole() const { return QRect(QPoint(), size_); }
    // Marks the visible part of the rectangle dirty; false when it lies wholly outside the
    // clip, and nothing is to be drawn.
    bool marks(const QRect& touched);
    void keep(Step step);
    // The pictures with every step drawn, made when first asked for.
    QImage& exact() const;
    const QImage& screen() const;
    // A pixel of the exact picture once the steps kept are drawn on it.
    ColourValue drawnPoint(int x, int y) const;
    // Draws the steps kept so far on both pictures and lets them go.
    void settle() const;

    QSize size_;
    Kind kind_;
    mutable QImage image_;
    mutable QImage screen_;
    qreal ratio_ = 1; // of the screen picture
    // Since the last whole clearing, unless let go; each picture has the first ones drawn.
    mutable std::vector<Step> steps_;
    mutable std::vector<QPoint> points_;
    mutable std::size_t exactDrawn_ = 0;
    mutable std::size_t screenDrawn_ = 0;
    // Whether the steps go back to the last whole clearing, so that the screen picture can be
    // drawn afresh from them at another ratio.
    mutable bool replayable_ = true;
    std::optional<Floating> floating_;
    QImage ground_; // the screen picture beneath the floating outline
    ColourValue background_;
    ColourValue cleared_; // the colour of the last whole clearing
    QRect clip_;
    QRect dirty_;
    bool enabled_ = true;
    bool visible_ = true;
};
