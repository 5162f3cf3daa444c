// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace Fixtures;

// The synthetic piece set: 48-pixel squares in orientation 0, pieces at home on a grid.
class TestRendering : public QObject {
    Q_OBJECT
private slots:
    void init();
    void selectedPieceIsLeftOutAndNotShown();
    void targetIsCentredAndCaptioned();
    void emptyCollectionShowsAnEmptyTarget();
    void resetPiecesGoesHome();
    void diagonalEdgesBlendOnScreenHitMapStaysExact();

private:
    int pieceAt(QPoint at) const {
        const ColourValue c = t->game.hitMap.Point(at.x(), at.y());
        for (int i = 0; i < 7; ++i)
            if (t->p.HitColour[static_cast<std::size_t>(i)] == c)
                return i;
        return -1;
    }
    ColourValue boardAt(QPoint at) const { return t->game.board.Point(at.x(), at.y()); }
    QPoint centreOf(int i) const {
        return {static_cast<int>(t->p.BoardLeft + t->p.PieceX[i]) + 24,
                static_cast<int>(t->p.BoardTop + t->p.PieceY[i]) + 24};
    }
    std::unique_ptr<TestGame> t;
};

void TestRendering::init() {
    t = std::make_unique<TestGame>();
    QVERIFY(t->start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10)),
                                                    record(2, 10, 10, spread(10, 10))})));
    t->p.CurrentFigure = 1;
}

void TestRendering::selectedPieceIsLeftOutAndNotShown() {
    t->game.board.Cls();
    t->game.hitMap.Cls();
    t->p.Selected = 3;
    QSignalSpy refreshed(&t->game.board, &Surface::refreshed);
    t->p.DrawAllPieces();
    QCOMPARE(refreshed.count(), 0);
    QCOMPARE(pieceAt(centreOf(3)), -1);
    QCOMPARE(boardAt(centreOf(3)), t->p.BoardBack);
    QCOMPARE(pieceAt(centreOf(4)), 4);
    t->p.Selected = -1;
    t->p.DrawAllPieces();
    QCOMPARE(refreshed.count(), 1);
}

void TestRendering::targetIsCentredAndCaptioned() {
    QSignalSpy caption(&t->p, &PELORIN1::targetCaptionChanged);
    t->p.CurrentFigure = 2;
    t->p.ShowFigure();
    QCOMPARE(caption.count(), 1);
    QCOMPARE(t->p.TargetCaption(), QString("Pelorin (2 of 2)"));
    // Figure extent: maxX = 5 + 144 + 48 = 197, maxY = 14 + 48 + 48 = 110 on the canvas; the
    // view shows it shifted by (round(233.33 - 197) / 2, (240 - 110) / 2) = (18, 65). Each
    // pair is an edge pixel of the silhouette and the background pixel beyond it.
    const Surface& view = t->game.targetView;
    const QList<std::pair<QPoint, QPoint>> edges{{{5, 14}, {4, 14}},        // left
                                                 {{5, 14}, {5, 13}},        // top
                                                 {{197, 40}, {198, 40}},    // right of piece 3
                                                 {{100, 110}, {100, 111}}}; // bottom of piece 6
    for (const auto& [inside, outside] : edges) {
        QCOMPARE(view.Point(inside.x() + 18, inside.y() + 65), t->p.SilhouetteColour);
        QCOMPARE(view.Point(outside.x() + 18, outside.y() + 65), view.BackColor());
    }
    QVERIFY(view.Visible());
    QVERIFY(!t->game.targetCanvas.Visible());
}

void TestRendering::emptyCollectionShowsAnEmptyTarget() {
    QVERIFY(t->start(collection(syntheticHeader(), {})));
    QCOMPARE(t->p.CurrentFigure, 1);
    QCOMPARE(t->p.TargetCaption(), QString("Pelorin (1 of 0)"));
    const Surface& view = t->game.targetView;
    for (int y = 0; y < view.image().height(); y += 3)
        for (int x = 0; x < view.image().width(); x += 3)
            QCOMPARE(view.Point(x, y), view.BackColor());
    // All pieces stacked on one spot cover nothing.
    t->p.PieceX.fill(40);
    t->p.PieceY.fill(40);
    t->p.CheckFit();
    QCOMPARE(t->p.Covered, std::int16_t(0));
    QVERIFY(t->game.board.Enabled());
}

void TestRendering::resetPiecesGoesHome() {
    t->p.PieceX[1] = 200;
    t->p.PieceOrient[1] = 5;
    t->p.PieceOrient[2] = 0;
    t->p.ResetPieces();
    QCOMPARE(t->p.PieceX, t->p.HomeX);
    QCOMPARE(t->p.PieceOrient[1], 2);
    QCOMPARE(t->p.PieceOrient[2], 1);
    QCOMPARE(pieceAt(centreOf(1)), 1);
}

// Run at ratio 1 and 2: the hit map holds only its background, the outline colour and the
// seven piece colours;
// at ratio 2 the board's screen picture, twice the size, blends the edges of the diamonds
// (the pieces in odd orientations).
void TestRendering::diagonalEdgesBlendOnScreenHitMapStaysExact() {
    t->p.PieceOrient.fill(1);
    t->game.board.Cls();
    t->game.hitMap.Cls();
    t->p.DrawAllPieces();
    QSet<QRgb> exact{toQRgb(t->game.hitMap.BackColor()), toQRgb(t->p.BoardBack)};
    for (ColourValue c : t->p.HitColour)
        exact.insert(toQRgb(c));
    QCOMPARE(coloursOf(t->game.hitMap.image()), exact);
    const QSet<QRgb> board = coloursOf(t->game.board.image());
    const qreal ratio = t->game.board.screenImage().devicePixelRatio();
    QCOMPARE(ratio, QGuiApplication::primaryScreen()->devicePixelRatio());
    QCOMPARE(t->game.board.screenImage().size(), t->game.board.image().size() * ratio);
    const QSet<QRgb> blends = coloursOf(t->game.board.screenImage()) - board;
    if (ratio > 1)
        QVERIFY(blends.size() > 0);
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
