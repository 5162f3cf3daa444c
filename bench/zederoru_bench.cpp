// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "browse/figurepage.h"
#include "collection/composing.h"
#include "collection/defaultpieceset.h"
#include "play/hint.h"
#include "play/pointerplay.h"
#include "puzzle/figurefile.h"

#include <QTest>

// One slot per measured step, each starting from the default collection's home position.
// A new case is a slot here and its budget in scripts/bench.sh.
class ZederoruBench : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dragStep();
    void drawAllPieces();
    void showFigure();
    void loadFiveHundredFigures();
    void loadTheLargestFileRead();
    void coveragePercent();
    void fitCheckOtherSolution();
    void fitCheckNearMiss();
    void thumbnailPage();
    void printPage();
    void hintOverTheFreeBoard();
    void randomAmongFiguresNotSolved();

private:
    // Starts on the rectangle of all seven pieces and lays another of its solutions, every
    // piece a couple of pixels off as a player drops them.
    void layOtherRectangle();

    std::unique_ptr<TestGame> t;
};

void ZederoruBench::init() {
    t = std::make_unique<TestGame>();
    QVERIFY(t->start(Fixtures::readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"))));
}

// One pointer move while a piece is dragged: outline wipe, the six other pieces on both
// surfaces, the new outline and the refresh, and the board's screen picture drawn as the
// paint that follows draws it.
void ZederoruBench::dragStep() {
    PointerPlay pointer(t->p);
    const QPoint from = [&] {
        for (int y = 0; y < 390; ++y)
            for (int x = 0; x < 350; ++x)
                if (PieceAt(t->p, x, y) == 3)
                    return QPoint(x + 2, y + 2);
        return QPoint();
    }();
    pointer.Press(1, 0, from.x(), from.y());
    pointer.Move(1, 0, from.x(), from.y());
    QVERIFY(pointer.Dragging());
    int step = 0;
    QBENCHMARK {
        ++step;
        pointer.Move(1, 0, from.x() + step % 40, from.y() + step % 30);
        t->p.surfaces.board.screenImage();
    }
}

void ZederoruBench::drawAllPieces() {
    QBENCHMARK {
        t->p.DrawAllPieces();
        t->p.surfaces.board.screenImage();
        t->p.surfaces.hitMap.image();
    }
}

void ZederoruBench::showFigure() {
    int step = 0;
    QBENCHMARK {
        t->p.CurrentFigure = 1 + step++ % t->p.FigureCount;
        t->p.ShowFigure();
        t->p.surfaces.targetView.screenImage();
    }
}

// The default collection's figures repeated up to the 500 a collection may hold.
void ZederoruBench::loadFiveHundredFigures() {
    Fixtures::writeFile(t->p.FigureFilePath,
                        Fixtures::defaultFiguresRepeated(Fixtures::readFile(t->p.FigureFilePath),
                                                         PELORIN1::MaxFigures));
    QBENCHMARK {
        QCOMPARE(t->p.LoadFigures(), PELORIN1::LoadResult::Ok);
    }
    QCOMPARE(t->p.FigureCount, PELORIN1::MaxFigures);
}

// The worst a file the readers accept can be: the header, then blank lines up to the size
// limit, a line for every byte.
void ZederoruBench::loadTheLargestFileRead() {
    QByteArray data = Fixtures::defaultHeader();
    data += QByteArray(FigureFile::MaxFileBytes - data.size(), '\n');
    Fixtures::writeFile(t->p.FigureFilePath, data);
    QBENCHMARK {
        QCOMPARE(t->p.LoadFigures(), PELORIN1::LoadResult::Ok);
    }
    QCOMPARE(t->p.FigureCount, 0);
}

// The density measure of an appended figure over the largest box appending accepts.
void ZederoruBench::coveragePercent() {
    double sum = 0;
    QBENCHMARK {
        sum += CoveragePercent(t->p, 10, 10, 330, 330);
    }
    QVERIFY(sum > 0);
}

void ZederoruBench::layOtherRectangle() {
    const Fixtures::ManyWays rectangle = Fixtures::figuresWithOtherSolutions()[1];
    QVERIFY(t->start(Fixtures::collection(DefaultPieceSet(), {rectangle.figure})));
    t->p.CurrentFigure = 1;
    const Fixtures::Placement p = Fixtures::placementOf(rectangle.others[1]);
    for (std::size_t i = 0; i < 7; ++i) {
        t->p.PieceOrient[i] = p[i][0];
        t->p.PieceX[i] = p[i][1] + static_cast<int>(i % 5) - 2;
        t->p.PieceY[i] = p[i][2] + static_cast<int>(i * 3 % 5) - 2;
    }
}

// The fit check after a drop that completes a figure built in another way than recorded:
// the whole silhouette comparison, and the player's pieces drawn as the solution.
void ZederoruBench::fitCheckOtherSolution() {
    layOtherRectangle();
    QBENCHMARK {
        t->game.board.setEnabled(true);
        t->p.CheckFit();
    }
    QCOMPARE(t->p.Covered, std::int16_t(1));
}

// A slow check that fails: the figure all but built, the square a few pixels further off
// than the others, so that the walk measures the shifts around the alignment.
void ZederoruBench::fitCheckNearMiss() {
    layOtherRectangle();
    t->p.PieceY[3] += 4;
    QBENCHMARK {
        t->p.CheckFit();
    }
    QCOMPARE(t->p.Covered, std::int16_t(0));
}

void ZederoruBench::thumbnailPage() {
    Surface page(401, 385, RGB(192, 192, 192));
    QBENCHMARK {
        DrawPage(t->p, ThumbnailGrid, 0, ThumbnailStyle(), page);
        page.image();
    }
}

void ZederoruBench::printPage() {
    Surface page(741, 579, QBColor(15));
    QBENCHMARK {
        DrawPage(t->p, PrintGrid, 0, PrintStyle(true), page);
        page.image();
    }
}

// Nothing placed yet: the figure is laid where it covers the fewest piece pixels.
void ZederoruBench::hintOverTheFreeBoard() {
    QBENCHMARK {
        QVERIFY(ChooseHint(t->p));
    }
}

// Every other figure of the default collection solved: each draw looks at every mark.
void ZederoruBench::randomAmongFiguresNotSolved() {
    for (int f = 1; f <= t->p.FigureCount; f += 2)
        t->p.MarkSolved(f);
    QBENCHMARK {
        QVERIFY(t->p.RandomFigure() % 2 == 0);
    }
}

QTEST_MAIN(ZederoruBench)
#include "zederoru_bench.moc"
