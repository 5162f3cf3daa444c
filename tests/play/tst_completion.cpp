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
    void init() {
        b = std::make_unique<PlayBoard>();
        Placement turned = spread(10, 10);
        turned[0][0] = 2;
        turned[1][0] = 4;
        QVERIFY(b->start(collection(
            syntheticHeader(), {record(1, 10, 10, spread(10, 10)), record(2, 10, 10, turned)})));
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

    void dropFormingTheFigureCelebrates() {
        b->layFigure(1, 60, 60);
        b->p.PieceX[6] += 40;
        b->redraw();
        b->drag(b->at(6), b->at(6) - QPoint(30, 0)); // 10 pixels off: near enough
        expectNextFigure(2);
        QCOMPARE(b->cues(), (QStringList{"clap4", "whoosh1"}));
        // The turn bookkeeping follows the new figure: piece 1 at home (2) matches F(0) = 2.
        QCOMPARE(b->p.OrientMatch[1], std::int16_t(1));
        QCOMPARE(b->p.OrientMatch[0], std::int16_t(0));
    }

    void lastFigureWrapsToTheFirst_data() {
        QTest::addColumn<int>("figures");
        QTest::newRow("last of two") << 2;
        QTest::newRow("only figure") << 1;
    }

    void lastFigureWrapsToTheFirst() {
        QFETCH(int, figures);
        b->p.FigureCount = figures;
        b->p.CurrentFigure = figures;
        b->p.ShowFigure();
        b->layFigure(figures, 40, 40);
        b->drag(b->at(3), b->at(3) + QPoint(2, 2));
        expectNextFigure(1);
    }

    void refusedDropThatLeavesTheFigureFormedCompletes() {
        b->layFigure(1, 60, 60);
        b->drag(b->at(0), QPoint(5, 5));
        expectNextFigure(2);
        QVERIFY(!b->cues().contains(QStringLiteral("Error")));
    }

    void noCompletionWhileCopied() {
        b->p.CopiedFlag = 1;
        b->layFigure(1, 60, 60);
        b->drag(b->at(3), b->at(3) + QPoint(2, 2));
        b->drag(b->at(0), QPoint(5, 5));
        QVERIFY(b->messages.shown.isEmpty());
        QCOMPARE(b->p.CurrentFigure, 1);
        QVERIFY(b->game.board.Enabled());
        QCOMPARE(b->cues(), (QStringList{"Slide", "Error"}));
    }

    void keyboardCompletionWaitsForTheNextDrop() {
        b->layFigure(1, 60, 60);
        b->p.PieceX[6] += 20;
        b->click(Qt::LeftButton, b->at(6));
        for (int k = 0; k < 4; ++k)
            b->key(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(b->p.PieceX[6], 60.0 + 96);
        QVERIFY(b->messages.shown.isEmpty());
        QVERIFY(b->game.board.Enabled());
        b->drag(b->at(2), b->at(2) + QPoint(1, 0));
        expectNextFigure(2);
    }

    void turnCompletingTheFigureCelebrates_data() {
        QTest::addColumn<bool>("byTab");
        QTest::newRow("right button") << false;
        QTest::newRow("tab") << true;
    }

    void turnCompletingTheFigureCelebrates() {
        QFETCH(bool, byTab);
        b->layFigure(1, 60, 60);
        b->p.PieceOrient[3] = 1; // only the square is turned the wrong way
        for (int i = 0; i < 7; ++i)
            b->p.CheckOrientation(i);
        b->redraw();
        const QPoint on3 = b->pointOn(3);
        if (byTab) {
            b->click(Qt::LeftButton, on3);
            b->key(Qt::Key_Tab);
        } else {
            b->click(Qt::RightButton, on3);
        }
        expectNextFigure(2);
        QCOMPARE(b->cues(), (QStringList{"clap4", "whoosh1"}));
    }

    void silentWhileSoundIsOff() {
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

private:
    void expectNextFigure(int figure) {
        QCOMPARE(b->messages.texts(), QStringList{"You got it - congratulations"});
        QCOMPARE(b->messages.shown.first().buttons, MessageBoxes::Buttons::Ok);
        QVERIFY(solutionShown);
        QCOMPARE(b->p.CurrentFigure, figure);
        QCOMPARE(b->p.TargetCaption(),
                 QStringLiteral("Pelorin (%1 of %2)").arg(figure).arg(b->p.FigureCount));
        QCOMPARE(b->p.PieceX, b->p.HomeX);
        QCOMPARE(b->p.PieceY, b->p.HomeY);
        for (std::size_t i = 0; i < 7; ++i)
            QCOMPARE(b->p.PieceOrient[i], int(b->p.HomeOrient[i]));
        QVERIFY(b->board()->isEnabled());
    }

    std::unique_ptr<PlayBoard> b;
    bool solutionShown = false;
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
