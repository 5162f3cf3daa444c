#include "formmain.h"

#include "startup.h"

#include "platform/surfacewidget.h"
#include "puzzle/pelorin1.h"

#include <QCloseEvent>
#include <QLabel>

FormMain::FormMain(PELORIN1& game, QWidget* parent) : QWidget(parent), game_(game) {
    setWindowTitle(game.MainCaption());
    Picture1 = new SurfaceWidget(game.surfaces.board, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Board"));
    PStandard = new QLabel(game.LevelText(), this);
    PStandard->setObjectName(QStringLiteral("PStandard"));
    PStandard->setAlignment(Qt::AlignCenter);
    connect(&game, &PELORIN1::mainCaptionChanged, this, &QWidget::setWindowTitle);
    connect(&game, &PELORIN1::levelTextChanged, PStandard, &QLabel::setText);
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
