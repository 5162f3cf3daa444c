// SPDX-License-Identifier: GPL-3.0-or-later
#include "formmain.h"

#include "startup.h"

#include "platform/keys.h"
#include "platform/surfacewidget.h"
#include "play/keyboardplay.h"
#include "puzzle/pelorin1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// A thin outline round the keyboard piece in black and white dashes, which show on the
// background and on every piece colour of every level.
void markKeyPiece(QPainter& painter, const PELORIN1& game) {
    const std::optional<std::array<QPoint, 4>> mark = KeyPieceMark(game);
    if (!mark)
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolygon(mark->data(), static_cast<int>(mark->size()));
    QPen dashes(Qt::white, 1, Qt::CustomDashLine);
    dashes.setDashPattern({3, 3});
    painter.setPen(dashes);
    painter.drawPolygon(mark->data(), static_cast<int>(mark->size()));
}

// The hinted place: a magenta line on a wide white band over a light magenta tint, which
// stands out from the board and from every piece colour of every level, and lets the
// pieces beneath show through.
void markHint(QPainter& painter, const BoardHint& hint) {
    if (!hint.shown())
        return;
    const std::array<QPoint, 4>& place = hint.shown()->outline;
    const QColor magenta = toQColor(QBColor(13));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(magenta.red(), magenta.green(), magenta.blue(), 70));
    painter.drawPolygon(place.data(), static_cast<int>(place.size()));
    painter.setPen(QPen(magenta, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(place.data(), static_cast<int>(place.size()));
    painter.restore();
}

} // namespace

FormMain::FormMain(PELORIN1& game, QWidget* parent)
    : QWidget(parent), game_(game), pointer_(game), hint_(game) {
    setWindowTitle(game.MainCaption());
    Picture1 = new SurfaceWidget(game.surfaces.board, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Board"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
    setFocusProxy(Picture1);
    PStandard = new QLabel(game.LevelText(), this);
    PStandard->setObjectName(QStringLiteral("PStandard"));
    PStandard->setAlignment(Qt::AlignCenter);
    connect(&game, &PELORIN1::mainCaptionChanged, this, &QWidget::setWindowTitle);
    connect(&game, &PELORIN1::levelTextChanged, PStandard, &QLabel::setText);
    Picture1->setOverlay([this](QPainter& painter) {
        markHint(painter, hint_);
        markKeyPiece(painter, game_);
    });
    connect(&hint_, &BoardHint::changed, Picture1, qOverload<>(&QWidget::update));
    // A solved figure locks the board, which drops the keyboard focus; play goes on when it
    // is unlocked, and the keys with it.
    connect(&game.surfaces.board, &Surface::enabledChanged, this, [this](bool enabled) {
        if (enabled)
            Picture1->setFocus(Qt::OtherFocusReason);
    });
    layOut();
}

// The label sits directly under the board, as wide as the board; the window fits both with
// half a label's height to spare below.
void FormMain::layOut() {
    const int boardW = Picture1->width();
    const int boardH = Picture1->height();
    const int labelH = PStandard->sizeHint().height();
    Picture1->move(0, 0);
    PStandard->setGeometry(0, boardH, boardW, labelH);
    setFixedSize(boardW, boardH + labelH * 3 / 2);
}

void FormMain::closeEvent(QCloseEvent* event) {
    ShutDown(game_);
    event->accept();
    emit unloaded();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Picture1 || !game_.surfaces.board.Enabled())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return boardMouse(event);
    case QEvent::Wheel:
        return boardWheel(event);
    case QEvent::KeyPress:
        return boardKey(event);
    default:
        return QWidget::eventFilter(watched, event);
    }
}

// A double click arrives in place of the second press.
bool FormMain::boardMouse(QEvent* event) {
    const auto* e = static_cast<QMouseEvent*>(event);
    const int shift = ShiftBits(e->modifiers());
    const auto x = static_cast<float>(e->position().x());
    const auto y = static_cast<float>(e->position().y());
    if (event->type() == QEvent::MouseMove)
        pointer_.Move(ButtonBits(e->buttons()), shift, x, y);
    else if (event->type() == QEvent::MouseButtonRelease)
        pointer_.Release(ButtonCode(e->button()), shift, x, y);
    else
        pointer_.Press(ButtonCode(e->button()), shift, x, y);
    updateKeyMark(); // a click chooses the keyboard piece without drawing
    return true;
}

// The keyboard piece's mark is painted over the board: repaint where it was and where it is.
void FormMain::updateKeyMark() {
    const std::optional<std::array<QPoint, 4>> mark = KeyPieceMark(game_);
    QRect now;
    if (mark)
        for (const QPoint& corner : *mark)
            now |= QRect(corner, QSize(1, 1));
    now.adjust(-1, -1, 1, 1);
    if (now != keyMarkShown_)
        Picture1->update(now | keyMarkShown_);
    keyMarkShown_ = now;
}

bool FormMain::boardWheel(QEvent* event) {
    const auto* e = static_cast<QWheelEvent*>(event);
    pointer_.Wheel(e->angleDelta().y(), static_cast<float>(e->position().x()),
                   static_cast<float>(e->position().y()));
    return true;
}

bool FormMain::boardKey(QEvent* event) {
    const auto* e = static_cast<QKeyEvent*>(event);
    if (IsModifierKey(e->key()))
        return false;
    const int code = VirtualKeyCode(e->key(), e->modifiers());
    if (code == VirtualKeys::H)
        hint_.Show();
    else
        KeyDown(game_, code, ShiftBits(e->modifiers()));
    return true;
}
