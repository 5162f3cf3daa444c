#include "support/fixtures.h"

#include <QSignalSpy>
#include <QTest>

using namespace Fixtures;

// The synthetic piece set: 48-pixel squares in orientation 0, pieces at home on a grid.
class TestRendering : public QObject {
    Q_OBJECT
private slots:
    void hitMapAnswersTheTopmostPiece();
    void selectedPieceIsLeftOutAndNotShown();
    void targetIsCentredAndCaptioned();
    void veryEasyColoursTargetAndPieces();
    void easyHighlightsMatchingOrientations();
    void emptyCollectionShowsAnEmptyTarget();
    void resetPiecesGoesHome();

private:
    static int pieceAt(TestGame& t, int x, int y) {
        const ColourValue c = t.game.hitMap.Point(x, y);
        for (int i = 0; i < 7; ++i)
            if (t.p.HitColour[static_cast<std::size_t>(i)] == c)
                return i;
        return -1;
    }
    static QPoint centreOf(TestGame& t, int i) {
        return {static_cast<int>(t.p.BoardLeft + t.p.PieceX[i]) + 24,
                static_cast<int>(t.p.BoardTop + t.p.PieceY[i]) + 24};
    }
    static void startWithTwoFigures(TestGame& t) {
        QVERIFY(t.start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10)),
                                                       record(2, 10, 10, spread(10, 10))})));
        t.p.CurrentFigure = 1;
    }
};

void TestRendering::hitMapAnswersTheTopmostPiece() {
    TestGame t;
    startWithTwoFigures(t);
    for (int i : {0, 1, 3, 4, 5, 6}) // piece 2 starts as a diamond
        QCOMPARE(pieceAt(t, centreOf(t, i).x(), centreOf(t, i).y()), i);
    // The one-pixel border of a piece belongs to no piece.
    const int left = static_cast<int>(t.p.BoardLeft + t.p.PieceX[0]);
    QCOMPARE(t.game.hitMap.Point(left, centreOf(t, 0).y()), t.p.BoardBack);
    QCOMPARE(pieceAt(t, left, centreOf(t, 0).y()), -1);

    // Piece 5 laid half over piece 0: after a full redraw the higher index is on top ...
    t.p.PieceX[5] = t.p.PieceX[0] + 20;
    t.p.PieceY[5] = t.p.PieceY[0];
    t.game.hitMap.Cls();
    t.game.board.Cls();
    t.p.DrawAllPieces();
    const QPoint overlap = centreOf(t, 0) + QPoint(10, 0);
    QCOMPARE(pieceAt(t, overlap.x(), overlap.y()), 5);
    // ... and the piece drawn last by DrawPiece after that.
    t.p.DrawPiece(0);
    QCOMPARE(pieceAt(t, overlap.x(), overlap.y()), 0);
    QCOMPARE(t.game.board.Point(overlap.x(), overlap.y()), t.p.SilhouetteColour);
}

void TestRendering::selectedPieceIsLeftOutAndNotShown() {
    TestGame t;
    startWithTwoFigures(t);
    t.game.board.Cls();
    t.game.hitMap.Cls();
    t.p.Selected = 3;
    QSignalSpy refreshed(&t.game.board, &Surface::refreshed);
    t.p.DrawAllPieces();
    QCOMPARE(refreshed.count(), 0);
    QCOMPARE(pieceAt(t, centreOf(t, 3).x(), centreOf(t, 3).y()), -1);
    QCOMPARE(t.game.board.Point(centreOf(t, 3).x(), centreOf(t, 3).y()), t.p.BoardBack);
    QCOMPARE(pieceAt(t, centreOf(t, 4).x(), centreOf(t, 4).y()), 4);
    t.p.Selected = -1;
    t.p.DrawAllPieces();
    QCOMPARE(refreshed.count(), 1);
}

void TestRendering::targetIsCentredAndCaptioned() {
    TestGame t;
    startWithTwoFigures(t);
    QSignalSpy caption(&t.p, &PELORIN1::targetCaptionChanged);
    t.p.CurrentFigure = 2;
    t.p.ShowFigure();
    QCOMPARE(caption.count(), 1);
    QCOMPARE(t.p.TargetCaption(), QString("Pelorin (2 of 2)"));
    QCOMPARE(t.p.MainCaption(), "File: " + t.path("PELORIN.pel"));
    // Figure extent: maxX = 5 + 144 + 48 = 197, maxY = 14 + 48 + 48 = 110 on the canvas; the
    // view shows it shifted by (round(233.33 - 197) / 2, (240 - 110) / 2) = (18, 65).
    const Surface& view = t.game.targetView;
    const ColourValue back = view.BackColor();
    QCOMPARE(view.Point(5 + 18, 14 + 65), t.p.SilhouetteColour);
    QCOMPARE(view.Point(5 + 18 - 1, 14 + 65), back);
    QCOMPARE(view.Point(5 + 18, 14 + 65 - 1), back);
    QCOMPARE(view.Point(197 + 18, 40 + 65), t.p.SilhouetteColour); // right edge of piece 3
    QCOMPARE(view.Point(197 + 18 + 1, 40 + 65), back);
    QCOMPARE(view.Point(100 + 18, 110 + 65), t.p.SilhouetteColour); // bottom edge of piece 6
    QCOMPARE(view.Point(100 + 18, 110 + 65 + 1), back);
    QVERIFY(view.Visible());
    QVERIFY(!t.game.targetCanvas.Visible());
}

void TestRendering::veryEasyColoursTargetAndPieces() {
    TestGame t;
    startWithTwoFigures(t);
    t.p.PlayLevel = 1;
    t.p.ShowFigure();
    for (int i = 0; i < 7; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const QPoint inTarget(18 + 5 + 48 * (i % 4) + 24, 65 + 14 + 48 * (i / 4) + 24);
        QCOMPARE(t.game.targetView.Point(inTarget.x(), inTarget.y()), QBColor(t.p.PieceColour[n]));
        if (i != 2)
            QCOMPARE(t.game.board.Point(centreOf(t, i).x(), centreOf(t, i).y()),
                     QBColor(t.p.PieceColour[n]));
    }
}

void TestRendering::easyHighlightsMatchingOrientations() {
    TestGame t;
    startWithTwoFigures(t);
    t.p.PlayLevel = 2;
    t.p.ShowFigure(); // the figure wants orientation 0 everywhere; piece 2 is turned
    QCOMPARE(t.p.OrientMatch[0], std::int16_t(1));
    QCOMPARE(t.game.board.Point(centreOf(t, 0).x(), centreOf(t, 0).y()), QBColor(3));
    QCOMPARE(t.game.board.Point(centreOf(t, 2).x() + 10, centreOf(t, 2).y() + 10),
             t.p.SilhouetteColour);
    t.p.PlayLevel = 3;
    t.p.ShowFigure();
    QCOMPARE(t.p.OrientMatch, (PELORIN1::PerPiece<std::int16_t>{}));
    QCOMPARE(t.game.board.Point(centreOf(t, 0).x(), centreOf(t, 0).y()), t.p.SilhouetteColour);
}

void TestRendering::emptyCollectionShowsAnEmptyTarget() {
    TestGame t;
    QVERIFY(t.start(collection(syntheticHeader(), {})));
    QCOMPARE(t.p.FigureCount, 0);
    QCOMPARE(t.p.CurrentFigure, 1);
    QCOMPARE(t.p.TargetCaption(), QString("Pelorin (1 of 0)"));
    const QImage& view = t.game.targetView.image();
    for (int y = 0; y < view.height(); y += 3)
        for (int x = 0; x < view.width(); x += 3)
            QCOMPARE(t.game.targetView.Point(x, y), t.game.targetView.BackColor());
    // All pieces stacked on one spot cover nothing.
    t.p.PieceX.fill(40);
    t.p.PieceY.fill(40);
    t.p.CheckFit();
    QCOMPARE(t.p.Covered, std::int16_t(0));
    QVERIFY(t.game.board.Enabled());
}

void TestRendering::resetPiecesGoesHome() {
    TestGame t;
    startWithTwoFigures(t);
    t.p.SoundOn = 1;
    t.p.PieceX[1] = 200;
    t.p.PieceOrient[1] = 5;
    t.p.PieceOrient[2] = 0;
    t.p.ResetPieces();
    QCOMPARE(t.sound.commands, QStringList{"play " + t.p.AppDir + "whoosh1.wav"});
    QCOMPARE(t.p.PieceX, t.p.HomeX);
    QCOMPARE(t.p.PieceY, t.p.HomeY);
    QCOMPARE(t.p.PieceOrient[1], 2);
    QCOMPARE(t.p.PieceOrient[2], 1);
    QCOMPARE(pieceAt(t, centreOf(t, 1).x(), centreOf(t, 1).y()), 1);
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
