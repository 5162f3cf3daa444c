#include "support/fixtures.h"
#include "support/playboard.h"

#include "app/startup.h"

#include <QTest>

using namespace Fixtures;

// Figure 1: the seven squares of the synthetic set on a 4 x 2 grid; figure 2 wants pieces 0
// and 1 in orientations 2 and 4.
class TestCompletion : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dropFormingTheFigureCelebrates();
    void lastFigureWrapsToTheFirst_data();
    void lastFigureWrapsToTheFirst();
    void refusedDropThatLeavesTheFigureFormedCompletes();
    void noCompletionWhileCopied();
    void keyboardCompletionWaitsForTheNextDrop();
    void turnCompletingTheFigureCelebrates_data();
    void turnCompletingTheFigureCelebrates();
    void silentWhileSoundIsOff();
    void missingCueFileDoesNotDisturb();

private:
    void expectNextFigure(int figure);
    std::unique_ptr<PlayBoard> b;
    bool solutionShown = false;
};

void TestCompletion::init() {
    b = std::make_unique<PlayBoard>();
    Placement turned = spread(10, 10);
    turned[0][0] = 2;
    turned[1][0] = 4;
    QVERIFY(b->start(collection(syntheticHeader(),
                                {record(1, 10, 10, spread(10, 10)), record(2, 10, 10, turned)})));
    solutionShown = false;
    // Behind the message the board is locked and shows the solution, grey-bordered.
    b->messages.whileShown = [this] {
        const int x = static_cast<int>(b->p.BoardLeft + b->p.PieceX[0]);
        const int y = static_cast<int>(b->p.BoardTop + b->p.PieceY[0]);
        solutionShown = !b->game.board.Enabled() &&
                        b->game.board.Point(x + 24, y + 24) == b->p.SilhouetteColour &&
                        b->game.board.Point(x + 48, y + 24) == QBColor(8);
    };
}

void TestCompletion::expectNextFigure(int figure) {
    QCOMPARE(b->messages.texts(), QStringList{"You got it - congratulations"});
    QCOMPARE(b->messages.shown.first().buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(b->messages.shown.first().icon, MessageBoxes::Icon::None);
    QVERIFY(solutionShown);
    QCOMPARE(b->p.CurrentFigure, figure);
    QCOMPARE(b->p.TargetCaption(),
             QStringLiteral("Pelorin (%1 of %2)").arg(figure).arg(b->p.FigureCount));
    QCOMPARE(b->p.PieceX, b->p.HomeX);
    QCOMPARE(b->p.PieceY, b->p.HomeY);
    for (std::size_t i = 0; i < 7; ++i)
        QCOMPARE(b->p.PieceOrient[i], int(b->p.HomeOrient[i]));
    QVERIFY(b->game.board.Enabled());
    QVERIFY(b->board()->isEnabled());
    QCOMPARE(b->game.board.Point(b->at(0).x(), b->at(0).y()), b->p.SilhouetteColour);
}

void TestCompletion::dropFormingTheFigureCelebrates() {
    b->layFigure(1, 60, 60);
    b->p.PieceX[6] += 40;
    b->game.board.Cls();
    b->p.DrawAllPieces();
    b->drag(b->at(6), b->at(6) - QPoint(30, 0)); // 10 pixels off: near enough
    expectNextFigure(2);
    QCOMPARE(b->cues(), (QStringList{"clap4", "whoosh1"}));
    // The turn bookkeeping follows the new figure: piece 1 at home (2) matches F(0) = 2.
    QCOMPARE(b->p.OrientMatch[1], std::int16_t(1));
    QCOMPARE(b->p.OrientMatch[0], std::int16_t(0));
}

void TestCompletion::lastFigureWrapsToTheFirst_data() {
    QTest::addColumn<int>("figures");
    QTest::newRow("last of two") << 2;
    QTest::newRow("only figure") << 1;
}

void TestCompletion::lastFigureWrapsToTheFirst() {
    QFETCH(int, figures);
    b->p.FigureCount = figures;
    b->p.CurrentFigure = figures;
    b->p.ShowFigure();
    b->layFigure(figures, 40, 40);
    b->drag(b->at(3), b->at(3) + QPoint(2, 2));
    expectNextFigure(1);
}

void TestCompletion::refusedDropThatLeavesTheFigureFormedCompletes() {
    b->layFigure(1, 60, 60);
    b->drag(b->at(0), QPoint(5, 5));
    expectNextFigure(2);
    QVERIFY(!b->cues().contains(QStringLiteral("Error")));
}

void TestCompletion::noCompletionWhileCopied() {
    b->p.CopiedFlag = 1;
    b->layFigure(1, 60, 60);
    b->drag(b->at(3), b->at(3) + QPoint(2, 2));
    b->drag(b->at(0), QPoint(5, 5));
    QVERIFY(b->messages.shown.isEmpty());
    QCOMPARE(b->p.CurrentFigure, 1);
    QVERIFY(b->game.board.Enabled());
    QCOMPARE(b->cues(), (QStringList{"Slide", "Error"}));
}

void TestCompletion::keyboardCompletionWaitsForTheNextDrop() {
    b->layFigure(1, 60, 60);
    b->p.PieceX[6] += 20;
    b->press(Qt::LeftButton, b->at(6));
    b->release(Qt::LeftButton, b->at(6));
    for (int k = 0; k < 4; ++k)
        b->key(Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(b->p.PieceX[6], 60.0 + 96);
    QVERIFY(b->messages.shown.isEmpty());
    QVERIFY(b->game.board.Enabled());
    b->drag(b->at(2), b->at(2) + QPoint(1, 0));
    expectNextFigure(2);
}

void TestCompletion::turnCompletingTheFigureCelebrates_data() {
    QTest::addColumn<bool>("byTab");
    QTest::newRow("right button") << false;
    QTest::newRow("tab") << true;
}

void TestCompletion::turnCompletingTheFigureCelebrates() {
    QFETCH(bool, byTab);
    b->layFigure(1, 60, 60);
    b->p.PieceOrient[3] = 1; // only the square is turned the wrong way
    for (int i = 0; i < 7; ++i)
        b->p.CheckOrientation(i);
    b->game.board.Cls();
    b->p.DrawAllPieces();
    const QPoint on3 = b->pointOn(3);
    if (byTab) {
        b->press(Qt::LeftButton, on3);
        b->release(Qt::LeftButton, on3);
        b->key(Qt::Key_Tab);
    } else {
        b->press(Qt::RightButton, on3);
        b->release(Qt::RightButton, on3);
    }
    expectNextFigure(2);
    QCOMPARE(b->cues(), (QStringList{"clap4", "whoosh1"}));
}

void TestCompletion::silentWhileSoundIsOff() {
    b->p.SoundOn = 0;
    b->press(Qt::RightButton, b->at(5));
    b->drag(b->at(4), b->at(4) + QPoint(3, 3));
    b->drag(b->at(4), QPoint(2, 2));
    b->layFigure(1, 60, 60);
    b->drag(b->at(3), b->at(3) + QPoint(2, 2));
    QCOMPARE(b->messages.shown.size(), 1);
    ShutDown(b->p);
    QCOMPARE(b->sound.commands, (QStringList{"stop mp3", "close all"}));
}

void TestCompletion::missingCueFileDoesNotDisturb() {
    // The recorded command names the file whether or not it exists; the real player
    // stays silent for a missing one (see the sound-command tests).
    QVERIFY(!QFile::exists(b->p.AppDir + QStringLiteral("clap4.wav")));
    b->layFigure(1, 60, 60);
    b->drag(b->at(3), b->at(3) + QPoint(2, 2));
    expectNextFigure(2);
    QCOMPARE(b->sound.commands.first(), QStringLiteral("play ") + b->p.AppDir + "clap4.wav");
}

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
