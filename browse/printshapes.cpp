// SPDX-License-Identifier: GPL-3.0-or-later
#include "printshapes.h"

#include "figurepage.h"
#include "pagescroll.h"
#include "platform/canvas.h"
#include "platform/surfacewidget.h"
#include "platform/twips.h"
#include "printpage.h"
#include "puzzle/pelorin1.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

PrintShapes::PrintShapes(PELORIN1& game, MessageBoxes& messages, Printer& printer, QWidget* parent)
    : QDialog(parent), game_(game), messages_(messages), printer_(printer),
      page_(TwipsToPixelsX(11115), TwipsToPixelsY(8685), QBColor(15), nullptr,
            Surface::Kind::Smooth) {
    setWindowTitle(tr("Print Shapes"));
    page_.Font = font();

    auto* client = new QWidget(this);
    client->setFixedSize(page_.width(), page_.height());
    Picture = new SurfaceWidget(page_, client);
    Picture->setObjectName(QStringLiteral("Picture"));
    VScroll1 = new QScrollBar(Qt::Vertical, client);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(TwipsToPixelsX(10920), 0, TwipsToPixelsX(195), TwipsToPixelsY(8655));
    VScroll1->setMinimum(0);
    connect(VScroll1, &QScrollBar::valueChanged, this, &PrintShapes::VScroll1_Change);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
    buildMenu();
    layout->setMenuBar(MenuBar);
}

void PrintShapes::buildMenu() {
    MenuBar = new QMenuBar(this);
    Printy = MenuBar->addMenu(tr("Print"));
    ShowSolx = Printy->addAction(tr("Show Solution"), this, &PrintShapes::ShowSolx_Click);
    ShowShapex = Printy->addAction(tr("Show Shape"), this, &PrintShapes::ShowShapex_Click);
    Printx = Printy->addAction(tr("Print this page"), this, &PrintShapes::Printx_Click);
    Printy->addSeparator();
    Exitx = Printy->addAction(tr("Exit"), this, &QWidget::hide);
}

void PrintShapes::ViewFirstPage() {
    game_.FirstShown = 0;
    DrawPrintPage();
    {
        // The page is drawn already; the bar must answer the player again once shown.
        const QSignalBlocker quiet(VScroll1);
        VScroll1->setValue(0);
    }
    exec();
}

void PrintShapes::DrawPrintPage() {
    drawnFirst_ = game_.FirstShown;
    drawnStyle_ = PrintStyle(ShowSolution == 1);
    DrawPage(game_, PrintGrid, drawnFirst_, drawnStyle_, page_);
    page_.Refresh();
}

// A modal window becomes active once per opening; a message box closing over it does not
// count as a new opening.
void PrintShapes::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        Form_Activate();
    QDialog::showEvent(event);
}

void PrintShapes::Form_Activate() {
    const ScrollRange range = PageScrollRange(PrintGrid, game_.FigureCount);
    VScroll1->setEnabled(range.enabled);
    if (range.enabled) {
        VScroll1->setMaximum(range.maximum);
        VScroll1->setSingleStep(PrintGrid.smallChange);
        VScroll1->setPageStep(PrintGrid.smallChange);
    }
    ShowSolution = 0;
}

void PrintShapes::VScroll1_Change(int value) {
    game_.FirstShown = static_cast<std::int16_t>(value);
    DrawPrintPage();
}

void PrintShapes::ShowSolx_Click() {
    ShowSolution = 1;
    DrawPrintPage();
}

void PrintShapes::ShowShapex_Click() {
    ShowSolution = 0;
    DrawPrintPage();
}

// The printer gets the page drawn anew at its own resolution, as the window shows it.
void PrintShapes::Printx_Click() {
    const QSize size(page_.width(), page_.height());
    PrintThisPage(messages_, printer_, size, [this, size](QPainter& painter) {
        Canvas canvas(painter, size, page_.BackColor(), page_.Font);
        DrawPage(game_, PrintGrid, drawnFirst_, drawnStyle_, canvas);
    });
}

void PrintShapes::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        ScrollPageByKey(*VScroll1, PrintGrid, event->key());
}

// The wheel leafs through the figures wherever the pointer rests on the window.
void PrintShapes::wheelEvent(QWheelEvent* event) {
    QCoreApplication::sendEvent(VScroll1, event);
}
