// SPDX-License-Identifier: GPL-3.0-or-later
#include "bevelbox.h"

#include "files.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

Bevelbox::Bevelbox(int index, const QString& iconFile, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent),
      index_(index), borders_{palette().color(QPalette::Light), palette().color(QPalette::Light),
                              palette().color(QPalette::Dark), palette().color(QPalette::Dark)},
      iconFile_(iconFile) {
    setIconSize(QSize(24, 24));
    setToolTip(toolTip);
    // The board keeps the keyboard: a click on the panel must not move focus here.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { emit Click(index_); });
}

void Bevelbox::ShowPressed() {
    shownPressed_ = true;
    update();
}

void Bevelbox::ShowRaised() {
    shownPressed_ = false;
    update();
}

void Bevelbox::setBorders(const Borders& borders) {
    borders_ = borders;
    update();
}

QSize Bevelbox::sizeHint() const {
    return iconSize() + QSize(8, 8);
}

// The tool tip is the button's only text, so it is also its accessible name.
bool Bevelbox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}

void Bevelbox::drawBevel(QPainter& painter, bool sunken) const {
    const QRect r = rect();
    const QColor top = sunken ? borders_.bottom : borders_.top;
    const QColor left = sunken ? borders_.right : borders_.left;
    const QColor right = sunken ? borders_.left : borders_.right;
    const QColor bottom = sunken ? borders_.top : borders_.bottom;
    constexpr int width = 2;
    painter.fillRect(r.left(), r.top(), r.width(), width, top);
    painter.fillRect(r.left(), r.top(), width, r.height(), left);
    painter.fillRect(r.right() - width + 1, r.top() + 1, width, r.height() - 1, right);
    painter.fillRect(r.left() + 1, r.bottom() - width + 1, r.width() - 1, width, bottom);
}

void Bevelbox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown() || shownPressed_;
    // A button held down by ShowPressed reads as switched on: its face is a shade darker.
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect(), sunken ? face.darker(115) : face);
    drawBevel(painter, sunken);
    QRect iconRect(QPoint(), iconSize());
    iconRect.moveCenter(rect().center());
    if (sunken)
        iconRect.translate(1, 1);
    // Device pixels per logical pixel; the device's own ratio misses a widget rendered into an
    // image of a finer ratio.
    painter.drawPixmap(iconRect, iconFor(std::max<qreal>(1, painter.deviceTransform().m11())));
}

// The icons were drawn from their vector art at one and at two device pixels a pixel when
// the game was built; any other ratio scales the finer one.
const QPixmap& Bevelbox::iconFor(qreal pixelRatio) {
    if (icon_.isNull() || icon_.devicePixelRatio() != pixelRatio) {
        QString file = iconFile_;
        if (pixelRatio > 1)
            file.insert(file.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QImage image = readPngImage(file);
        const QSize size = iconSize() * pixelRatio;
        if (image.size() != size)
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        icon_ = QPixmap::fromImage(image);
        icon_.setDevicePixelRatio(pixelRatio);
    }
    return icon_;
}
