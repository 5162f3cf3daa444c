#include "form1.h"

#include "platform/surfacewidget.h"
#include "platform/twips.h"
#include "puzzle/pelorin1.h"

#include <QGroupBox>

Form1::Form1(PELORIN1& game, QWidget* parent) : QWidget(parent), game_(game) {
    setWindowTitle(QStringLiteral("Zederoru"));
    setFixedSize(TwipsToPixelsX(3930), TwipsToPixelsY(6075));

    TarPel = new QGroupBox(game.TargetCaption(), this);
    TarPel->setObjectName(QStringLiteral("TarPel"));
    TarPel->setGeometry(TwipsToPixelsX(12), TwipsToPixelsY(1620), TwipsToPixelsX(3885),
                        TwipsToPixelsY(4425));
    TargetPel = new SurfaceWidget(game.surfaces.targetView, TarPel);
    TargetPel->setObjectName(QStringLiteral("TargetPel"));
    TargetPel->setAccessibleName(tr("Target figure"));
    TargetPel->move(TwipsToPixelsX(90), TwipsToPixelsY(210));
    connect(&game, &PELORIN1::targetCaptionChanged, TarPel, &QGroupBox::setTitle);
}
