#include "bevelbox.h"

#include <QEvent>
#include <QPainter>

Bevelbox::Bevelbox(int index, const QIcon& icon, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent),
      index_(index), borders_{palette().color(QPalette::Light), palette().color(QPalette::Light),
                              palette().color(QPalette::Dark), palette().color(QPalette::Dark)} {
    setIcon(icon);
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
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const bool sunken = isDown() || shownPressed_;
    drawBevel(painter, sunken);
    QRect iconRect(QPoint(), iconSize());
    iconRect.moveCenter(rect().center());
    if (sunken)
        iconRect.translate(1, 1);
    // QIcon renders the vector art afresh for the painter's pixel ratio, so it stays crisp.
    icon().paint(&painter, iconRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
}
