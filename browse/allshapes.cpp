// SPDX-License-Identifier: GPL-3.0-or-later
#include "allshapes.h"

#include "figurepage.h"

#include "collection/figurenames.h"
#include "pagescroll.h"
#include "platform/surfacewidget.h"
#include "platform/twips.h"
#include "puzzle/pelorin1.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <QWheelEvent>

AllShapes::AllShapes(PELORIN1& game, std::function<void(int)> goToFigure, QWidget* parent)
    : QDialog(parent), game_(game), goToFigure_(std::move(goToFigure)),
      page_(TwipsToPixelsX(6015), TwipsToPixelsY(5775), RGB(192, 192, 192), nullptr,
            Surface::Kind::Smooth) {
    setWindowTitle(tr("Click to select, right-click to close"));
    setFixedSize(page_.width(), page_.height());
    setMouseTracking(true);

    Picture = new SurfaceWidget(page_, this);
    Picture->setObjectName(QStringLiteral("Picture"));
    Picture->setAttribute(Qt::WA_TransparentForMouseEvents);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(TwipsToPixelsX(5805), 0, TwipsToPixelsX(195), TwipsToPixelsY(5775));
    VScroll1->setMinimum(0);
    VScroll1->setSingleStep(ThumbnailGrid.smallChange);
    VScroll1->setPageStep(ThumbnailGrid.smallChange);
    connect(VScroll1, &QScrollBar::valueChanged, this, &AllShapes::VScroll1_Change);

    // The number follows the pointer; clicks pass through it to the thumbnail beneath.
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setAutoFillBackground(true);
    Label1->setBackgroundRole(QPalette::Base);
    Label1->setForegroundRole(QPalette::Text);
    Label1->hide();

    Picture->setOverlay([this](QPainter& painter) { markCurrentFigure(painter); });
    connect(&game_, &PELORIN1::targetCaptionChanged, Picture, qOverload<>(&QWidget::update));
    connect(&game_, &PELORIN1::targetCaptionChanged, this, &AllShapes::nameCurrentFigure);
    connect(&game_, &PELORIN1::solvedChanged, this, [this] {
        if (isVisible())
            DrawThumbnails(); // the tick of the figure just solved
    });
}

// Opened beside the board without taking the keyboard from it: play goes on, and a click
// on the window gives it the keys when the player wants them there.
void AllShapes::ViewAll() {
    game_.FirstShown = 0;
    DrawThumbnails();
    showFirstShown();
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    raise();
}

void AllShapes::ViewModal() {
    DrawThumbnails();
    showFirstShown();
    if (isVisible())
        hide(); // a modeless window has to be shown again to become modal
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    exec();
}

void AllShapes::DrawThumbnails() {
    names_ = FigureNames::read(game_.FigureFilePath);
    nameCurrentFigure();
    DrawPage(game_, ThumbnailGrid, game_.FirstShown, ThumbnailStyle(), page_);
    page_.Refresh();
}

QString AllShapes::nameOf(int figure) const {
    return figure >= 1 && figure <= names_.size() ? names_[figure - 1] : QString();
}

// What a screen reader says of the picture: the framed figure, by number and name.
void AllShapes::nameCurrentFigure() {
    const int n = game_.CurrentFigure;
    const QString name = nameOf(n);
    Picture->setAccessibleName(name.isEmpty() ? tr("Figure %1").arg(n)
                                              : tr("Figure %1: %2").arg(n).arg(name));
}

bool AllShapes::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString name = nameOf(FigureAt(game_, ThumbnailGrid, game_.FirstShown, help->pos()));
        if (name.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), name, this);
        return true;
    }
    return QDialog::event(event);
}

void AllShapes::showEvent(QShowEvent* event) {
    Form_Activate();
    QDialog::showEvent(event);
}

void AllShapes::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) // not when minimised
        emit hidden();
}

// A frame in the desktop's selection colour round the current figure's cell.
void AllShapes::markCurrentFigure(QPainter& painter) const {
    const QRect cell = CellRect(game_, ThumbnailGrid, game_.FirstShown, game_.CurrentFigure);
    if (cell.isEmpty())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(cell.adjusted(2, 2, -1, -1));
}

void AllShapes::Form_Activate() {
    const ScrollRange range = PageScrollRange(ThumbnailGrid, game_.FigureCount);
    VScroll1->setEnabled(range.enabled);
    if (range.enabled)
        VScroll1->setMaximum(range.maximum);
}

// The scroll bar's thumb shows the page drawn, also when another window chose it.
void AllShapes::showFirstShown() {
    Form_Activate();
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setValue(game_.FirstShown);
}

void AllShapes::VScroll1_Change(int value) {
    setHoverText({});
    game_.FirstShown = static_cast<std::int16_t>(value);
    DrawThumbnails();
    setHoverText({});
}

void AllShapes::setHoverText(const QString& text) {
    if (text == Label1->text())
        return;
    Label1->setText(text);
    Label1->adjustSize();
    Label1->setVisible(!text.isEmpty());
}

void AllShapes::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int n = FigureAt(game_, ThumbnailGrid, game_.FirstShown, at);
    if (n == 0) {
        setHoverText({});
        return;
    }
    Label1->move(at);
    setHoverText(HoverText(n));
}

void AllShapes::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        hide();
        return;
    }
    const int n = FigureAt(game_, ThumbnailGrid, game_.FirstShown, event->position().toPoint());
    if (n == 0)
        setHoverText({});
    else
        goToFigure_(n);
}

void AllShapes::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        ScrollPageByKey(*VScroll1, ThumbnailGrid, event->key());
}

// The wheel leafs through the figures wherever the pointer rests on the window.
void AllShapes::wheelEvent(QWheelEvent* event) {
    QCoreApplication::sendEvent(VScroll1, event);
}
