// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
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

// Steps kept between two whole clearings: enough for a long drag. Beyond it they are drawn
// and let go, and a later change of ratio scales the screen picture instead of drawing it
// afresh.
constexpr std::size_t MaxSteps = 16384;

// A copy keeps what was drawn on a surface up to this many steps, its pictures beyond.
constexpr std::size_t MaxCopiedSteps = 1024;

} // namespace

// Draws a run of steps with one painter, setting only what changes from one step to the
// next. On the screen picture lines are one logical pixel wide at every ratio, centred on the
// pixels the exact drawing sets, so both pictures agree but for the blended edges.
class Surface::StepPainter {
public:
    StepPainter(QImage& picture, bool smooth, const QRect& whole)
        : painter_(&picture), smooth_(smooth), whole_(whole), bound_(whole), clip_(whole) {}

    void draw(const Step& step, const std::vector<QPoint>& points) {
        points_ = &points;
        clipTo(step.clip);
        std::visit([this](const auto& what) { (*this)(what); }, step.what);
    }

    void operator()(const PolygonStep& s) {
        place(smooth_ && !s.erasing, smooth_);
        // Drawn in the background colour, a polygon erases: unblended and a pixel wider, or
        // the blended fringe of what it covers would stay behind.
        pen(s.outline, smooth_ ? (s.erasing ? 2 : 1) : 0);
        brush(s.solid, s.fill);
        painter_.drawPolygon(points_->data() + s.first, static_cast<int>(s.count));
    }

    void operator()(const RectangleStep& s) {
        place(smooth_, smooth_);
        pen(s.colour, smooth_ ? 1 : 0);
        brush(false, 0);
        if (smooth_)
            painter_.drawRect(QRectF(QPointF(s.box.topLeft()), QPointF(s.box.bottomRight())));
        else
            painter_.drawRect(s.box.adjusted(0, 0, -1, -1));
    }

    void operator()(const CopyStep& s) {
        place(smooth_, false);
        const Copied& source = *s.source;
        if (source.drawn) {
            drawCopied(source, s);
            return;
        }
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        if (smooth_) {
            const qreal ratio = source.screen.devicePixelRatio();
            const QRectF from(QPointF(s.from.topLeft()) * ratio, QSizeF(s.from.size()) * ratio);
            painter_.drawImage(QRectF(s.to, QSizeF(s.from.size())), source.screen, from);
        } else {
            painter_.drawImage(s.to, source.exact, s.from);
        }
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }

    void operator()(const TextStep& s) {
        place(smooth_, false);
        pen(s.colour, 1);
        painter_.setFont(s.font);
        painter_.drawText(s.at, s.text);
    }

    void operator()(const FillStep& s) {
        place(smooth_, false);
        painter_.fillRect(s.area, QColor::fromRgb(s.colour));
    }

private:
    // The copied surface's background over the area, then its steps moved to the area and
    // held inside it: the same pixels as copying its pictures, without making them.
    void drawCopied(const Copied& source, const CopyStep& s) {
        const QPoint shift = s.to - s.from.topLeft();
        const QRect area = (s.from & source.whole).translated(shift);
        painter_.fillRect(area, toQColor(source.cleared));
        const QPoint offset = offset_;
        const QRect bound = bound_;
        const std::vector<QPoint>* points = points_;
        bound_ = clip_ & area.translated(offset_);
        offset_ += shift;
        for (const Step& step : source.steps)
            draw(step, source.points);
        offset_ = offset;
        bound_ = bound;
        points_ = points;
    }

    // A clip is set in logical pixels, before any shift.
    void clipTo(const QRect& clip) {
        const QRect held = clip.translated(offset_) & bound_;
        if (held == clip_)
            return;
        clip_ = held;
        moveTo(QPointF());
        if (held == whole_)
            painter_.setClipping(false);
        else
            painter_.setClipRect(held);
    }

    // Antialiased or not; shifted by half a pixel onto pixel centres or not.
    void place(bool antialiased, bool shifted) {
        if (antialiased != antialiased_) {
            antialiased_ = antialiased;
            painter_.setRenderHint(QPainter::Antialiasing, antialiased);
        }
        moveTo(QPointF(offset_) + (shifted ? QPointF(0.5, 0.5) : QPointF()));
    }

    void moveTo(QPointF origin) {
        if (origin == origin_)
            return;
        origin_ = origin;
        painter_.setWorldTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    }

    void pen(QRgb colour, int width) {
        if (hasPen_ && colour == penColour_ && width == penWidth_)
            return;
        hasPen_ = true;
        penColour_ = colour;
        penWidth_ = width;
        painter_.setPen(QPen(QColor::fromRgb(colour), width));
    }

    void brush(bool solid, QRgb colour) {
        if (hasBrush_ && solid == solid_ && (!solid || colour == brushColour_))
            return;
        hasBrush_ = true;
        solid_ = solid;
        brushColour_ = colour;
        painter_.setBrush(solid ? QBrush(QColor::fromRgb(colour)) : QBrush(Qt::NoBrush));
    }

    QPainter painter_;
    const bool smooth_;
    const QRect whole_;
    const std::vector<QPoint>* points_ = nullptr;
    // Where a copied surface's steps go: moved by the offset, held inside the bound.
    QPoint offset_;
    QRect bound_;
    QRect clip_;
    QPointF origin_;
    bool antialiased_ = false;
    bool hasPen_ = false;
    QRgb penColour_ = 0;
    int penWidth_ = 0;
    bool hasBrush_ = false;
    bool solid_ = false;
    QRgb brushColour_ = 0;
};

Surface::Surface(int width, int height, ColourValue background, QObject* parent, Kind kind)
    : QObject(parent), size_(width, height), kind_(kind), background_(background),
      cleared_(background), clip_(whole()) {
    if (kind_ == Kind::Smooth)
        ratio_ = primaryScreenRatio();
    Cls();
}

QImage& Surface::exact() const {
    if (image_.isNull()) {
        image_ = QImage(size_, QImage::Format_RGB32);
        image_.fill(toQRgb(cleared_));
    }
    if (exactDrawn_ < steps_.size()) {
        StepPainter painter(image_, false, whole());
        for (std::size_t i = exactDrawn_; i < steps_.size(); ++i)
            painter.draw(steps_[i], points_);
        exactDrawn_ = steps_.size();
    }
    if (kind_ == Kind::Exact) {
        // Without a screen picture to draw again, the steps have served.
        steps_.clear();
        points_.clear();
        exactDrawn_ = 0;
    }
    return image_;
}

const QImage& Surface::screen() const {
    if (screen_.isNull()) {
        screen_ = QImage(size_ * ratio_, QImage::Format_RGB32);
        screen_.setDevicePixelRatio(ratio_);
        if (replayable_) {
            screen_.fill(toQRgb(cleared_));
            screenDrawn_ = 0;
        } else {
            QPainter scaled(&screen_);
            scaled.drawImage(QRectF(whole()), exact());
            screenDrawn_ = steps_.size();
        }
    }
    if (screenDrawn_ < steps_.size()) {
        StepPainter painter(screen_, true, whole());
        for (std::size_t i = screenDrawn_; i < steps_.size(); ++i)
            painter.draw(steps_[i], points_);
        screenDrawn_ = steps_.size();
    }
    return screen_;
}

void Surface::settle() const {
    exact();
    if (kind_ == Kind::Smooth)
        screen();
    steps_.clear();
    points_.clear();
    exactDrawn_ = 0;
    screenDrawn_ = 0;
    replayable_ = false;
}

void Surface::setDevicePixelRatio(qreal ratio) {
    if (kind_ != Kind::Smooth || ratio == ratio_)
        return;
    ratio_ = ratio;
    if (screen_.isNull())
        return; // made at this ratio when first shown
    screen_ = QImage();
    screenDrawn_ = 0;
    emit refreshed(whole());
}

bool Surface::marks(const QRect& touched) {
    const QRect visible = touched & clip_;
    if (visible.isEmpty())
        return false;
    dirty_ |= visible;
    return true;
}

void Surface::keep(Step step) {
    steps_.push_back(std::move(step));
    if (steps_.size() >= MaxSteps)
        settle();
}

void Surface::Polygon(const QPoint* points, int count) {
    if (!marks(reach(points, count)))
        return;
    const auto first = static_cast<std::uint32_t>(points_.size());
    points_.insert(points_.end(), points, points + count);
    const bool erasing = ForeColor == background_ &&
                         (FillStyle_ == FillStyle::Transparent || FillColor == background_);
    keep({clip_, PolygonStep{toQRgb(ForeColor), toQRgb(FillColor), FillStyle_ == FillStyle::Solid,
                             erasing, first, static_cast<std::uint32_t>(count)}});
}

void Surface::FloatOutline(const QPoint* points, int count, ColourValue colour) {
    if (kind_ != Kind::Smooth || count <= 0)
        return; // an exact surface shows the outline drawn as a polygon
    const QRect box = reach(points, count);
    std::vector<QPoint> shape(points, points + count);
    for (QPoint& p : shape)
        p -= box.topLeft();
    if (!floating_ || ground_.devicePixelRatio() != ratio_)
        ground_ = screen();
    if (!floating_)
        floating_ = Floating{};
    dirty_ |= (floating_->box | box) & whole();
    floating_->box = box;
    if (shape == floating_->shape && toQRgb(colour) == floating_->colour &&
        floating_->picture.devicePixelRatio() == ratio_)
        return; // moved, not changed: the picture drawn stands
    floating_->shape = std::move(shape);
    floating_->colour = toQRgb(colour);
    QImage& picture = floating_->picture;
    picture = QImage(box.size() * ratio_, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio_);
    picture.fill(Qt::transparent);
    const QRect frame(QPoint(), box.size());
    StepPainter painter(picture, true, frame);
    painter.draw({frame, PolygonStep{floating_->colour, 0, false, false, 0,
                                     static_cast<std::uint32_t>(count)}},
                 floating_->shape);
}

void Surface::Rectangle(int x1, int y1, int x2, int y2, ColourValue colour) {
    // Not QRect::normalized, which drops a row and a column of corners given right to left.
    const QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)),
                    QPoint(std::max(x1, x2), std::max(y1, y2)));
    if (marks(box))
        keep({clip_, RectangleStep{toQRgb(colour), box}});
}

// The source as it is now: later drawing on it leaves the copy be. A smooth source hands on
// what was drawn on it, so that a surface drawn only to be copied never makes its pictures.
void Surface::CopyFrom(const Surface& source, const QRect& sourceRect, QPoint dest) {
    if (!marks(QRect(dest, (sourceRect & source.whole()).size())))
        return;
    auto copied = std::make_shared<Copied>();
    copied->whole = source.whole();
    copied->drawn = source.kind_ == Kind::Smooth && source.replayable_ &&
                    source.steps_.size() <= MaxCopiedSteps;
    if (copied->drawn) {
        copied->cleared = source.cleared_;
        copied->steps = source.steps_;
        copied->points = source.points_;
    } else {
        copied->exact = source.image();
        if (kind_ == Kind::Smooth)
            copied->screen = source.screenImage();
    }
    keep({clip_, CopyStep{std::move(copied), sourceRect, dest}});
}

void Surface::Print(int x, int y, const QString& text) {
    const QFontMetrics metrics(Font);
    const QRect touched = metrics.boundingRect(text).translated(x, y + metrics.ascent());
    if (marks(touched.adjusted(-2, -2, 2, 2)))
        keep({clip_, TextStep{toQRgb(ForeColor), Font, QPoint(x, y + metrics.ascent()), text}});
}

void Surface::Cls() {
    if (clip_ == whole()) {
        cleared_ = background_;
        steps_.clear();
        points_.clear();
        exactDrawn_ = 0;
        screenDrawn_ = 0;
        replayable_ = true;
        floating_.reset();
        ground_ = QImage();
        if (!image_.isNull())
            image_.fill(toQRgb(cleared_));
        if (!screen_.isNull())
            screen_.fill(toQRgb(cleared_));
    } else if (!clip_.isEmpty()) {
        keep({clip_, FillStep{toQRgb(background_), clip_}});
    }
    dirty_ |= clip_;
}

ColourValue Surface::drawnPoint(int x, int y) const {
    if (image_.isNull() && steps_.empty())
        return cleared_;
    return fromQRgb(exact().pixel(x, y));
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
