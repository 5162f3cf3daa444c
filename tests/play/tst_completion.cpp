// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"
#include "support/playboard.h"

#include "app/startup.h"
#include "collection/composing.h"

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

    // A nudge completes as a drop does: the last piece nudged into place, or the whole
    // arrangement moved with Ctrl after the pieces were laid without a check.
    void keyboardMoveCompletes_data() {
        QTest::addColumn<int>("lastPieceOff");
        QTest::addColumn<Qt::KeyboardModifier>("modifier");
        QTest::newRow("last piece") << 20 << Qt::ShiftModifier;
        QTest::newRow("all pieces") << 0 << Qt::ControlModifier;
    }

    void keyboardMoveCompletes() {
        QFETCH(int, lastPieceOff);
        QFETCH(Qt::KeyboardModifier, modifier);
        b->layFigure(1, 60, 60);
        b->p.PieceX[6] += lastPieceOff;
        b->redraw();
        b->click(Qt::LeftButton, b->at(6));
        QVERIFY(b->messages.shown.isEmpty());
        b->key(Qt::Key_Left, modifier);
        expectNextFigure(2);
        QCOMPARE(b->cues(), (QStringList{"clap4", "whoosh1"}));
    }

    // A turn into the recorded orientation, or into another number that draws the same
    // outline (the synthetic pieces are squares in every even orientation), by any of the
    // ways to turn a piece.
    void turnCompletingTheFigureCelebrates_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("from");
        QTest::newRow("right button") << "right button" << 3 << 1;
        QTest::newRow("tab") << "tab" << 3 << 1;
        QTest::newRow("right button, same outline") << "right button" << 5 << 1;
        QTest::newRow("tab, same outline") << "tab" << 5 << 1;
        QTest::newRow("wheel, same outline") << "wheel" << 5 << 1;
        QTest::newRow("wheel back, same outline") << "wheel back" << 5 << 3;
    }

    void turnCompletingTheFigureCelebrates() {
        QFETCH(QString, how);
        QFETCH(int, piece);
        QFETCH(int, from);
        b->layFigure(1, 60, 60);
        b->p.PieceOrient[static_cast<std::size_t>(piece)] = from; // a diamond: turned wrong
        for (int i = 0; i < 7; ++i)
            b->p.CheckOrientation(i);
        b->redraw();
        const QPoint on = b->pointOn(piece);
        if (how == "tab") {
            b->click(Qt::LeftButton, on);
            b->key(Qt::Key_Tab);
        } else if (how == "right button") {
            b->click(Qt::RightButton, on);
        } else {
            b->wheel(on, how == "wheel" ? 120 : -120);
        }
        expectNextFigure(2);
        QCOMPARE(b->cues(), (QStringList{"clap4", "whoosh1"}));
    }

    // Reset puts the copied arrangement away: the figure can be solved again. While copied,
    // the pieces show grey borders, which stand out at every level.
    void copyResetThenSolveCelebrates() {
        CopyFigure(b->p);
        QCOMPARE(b->p.CopiedFlag, 1);
        QCOMPARE(b->game.board.Point(static_cast<int>(b->p.BoardLeft + b->p.PieceX[0]),
                                     static_cast<int>(b->p.BoardTop + b->p.PieceY[0])),
                 QBColor(8));
        b->p.ResetPieces();
        QCOMPARE(b->p.CopiedFlag, 0);
        b->layFigure(1, 60, 60);
        b->drag(b->at(3), b->at(3) + QPoint(2, 2));
        expectNextFigure(2);
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
