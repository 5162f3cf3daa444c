// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/figurepage.h"
#include "support/browsefixtures.h"

#include <QTest>

using namespace BrowseFixtures;

using Points = std::array<QPoint, 4>;
Q_DECLARE_METATYPE(Points)

namespace {

const ColourValue LightGrey = RGB(192, 192, 192);
const ColourValue PrintGrey = RGB(100, 100, 100);

// A pixel of piece 3, the third square of the figure's top row, in the cell's thumbnail.
ColourValue pieceThreeOfCell(const Surface& page, int r, int c) {
    return page.Point((c - 1) * 50 + 7 + 30, (r - 1) * 48 + 7 + 4);
}

} // namespace

// Figures of the synthetic set: seven 48-pixel squares, four in the top row, three below.
class TestFigurePage : public QObject {
    Q_OBJECT
private slots:
    void cellPiecePoints_data() {
        QTest::addColumn<bool>("print");
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<Points>("points");
        // Thumbnails: 6.67 pixels into the cell, a step of 49.5 across and 48 down, scale 0.18.
        QTest::newRow("thumbnail 1,1 piece 0")
            << false << 1 << 0 << 1 << 1 << Points{{{7, 7}, {15, 7}, {15, 15}, {7, 15}}};
        QTest::newRow("thumbnail 2,3 piece 1")
            << false << 1 << 1 << 2 << 3 << Points{{{114, 55}, {123, 55}, {123, 63}, {114, 63}}};
        // Figure 2 begins 50 pixels left of the cell: floor(-50 * 0.18f) is -10 where 0.18 in
        // double precision would give -9.
        QTest::newRow("thumbnail single precision")
            << false << 2 << 0 << 1 << 1 << Points{{{-3, 7}, {6, 7}, {6, 15}, {-3, 15}}};
        // Print cells: three times the step, scale 0.54.
        QTest::newRow("print 1,1 piece 0")
            << true << 1 << 0 << 1 << 1 << Points{{{7, 7}, {33, 7}, {33, 33}, {7, 33}}};
        QTest::newRow("print 2,2 piece 5")
            << true << 1 << 5 << 2 << 2 << Points{{{181, 177}, {207, 177}, {207, 203}, {181, 203}}};
    }

    void cellPiecePoints() {
        QFETCH(bool, print);
        QFETCH(int, figure);
        QFETCH(int, piece);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(Points, points);
        TestGame t;
        using namespace Fixtures;
        QVERIFY(t.start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10)),
                                                       record(2, 61, 10, spread(10, 10))})));
        QCOMPARE(CellPiece(t.p, print ? PrintGrid : ThumbnailGrid, figure, piece, row, column),
                 points);
    }

    void pagesStartAfterFirstShown() {
        TestGame t;
        QVERIFY(t.start(squaresCollection(100, {9, 77})));
        // First page: figure 9 opens the second row.
        QCOMPARE(DrawPage(t.p, ThumbnailGrid, 0, ThumbnailStyle(), thumbnails), 64);
        QCOMPARE(pieceThreeOfCell(thumbnails, 1, 1), 0u);
        QCOMPARE(pieceThreeOfCell(thumbnails, 2, 1), LightGrey);
        QCOMPARE(pieceThreeOfCell(thumbnails, 2, 2), 0u);
        // A later page that starts in mid-row of the collection: figure 77 in row 2, column 6.
        QCOMPARE(DrawPage(t.p, ThumbnailGrid, 63, ThumbnailStyle(), thumbnails), 37);
        QCOMPARE(pieceThreeOfCell(thumbnails, 2, 6), LightGrey);
        QCOMPARE(pieceThreeOfCell(thumbnails, 2, 5), 0u);
        QCOMPARE(pieceThreeOfCell(thumbnails, 1, 1), 0u);
    }

    void drawingStopsAfterTheLastFigure() {
        TestGame t;
        QVERIFY(t.start(squaresCollection(10)));
        QCOMPARE(DrawPage(t.p, ThumbnailGrid, 0, ThumbnailStyle(), thumbnails), 10);
        // Cell 10 (row 2, column 2) is framed, white along its bottom, grey a pixel below ...
        QCOMPARE(thumbnails.Point(72, 96), QBColor(15));
        QCOMPARE(thumbnails.Point(72, 97), QBColor(8));
        QCOMPARE(pieceThreeOfCell(thumbnails, 2, 2), 0u);
        // ... cell 11 beside it is plain background, and so is everything below row 2.
        QCOMPARE(thumbnails.Point(120, 96), LightGrey);
        QCOMPARE(pieceThreeOfCell(thumbnails, 2, 3), LightGrey);
        const QImage below = thumbnails.image().copy(0, 99, 384, 280);
        for (int y = 0; y < below.height(); ++y)
            for (int x = 0; x < below.width(); ++x)
                QCOMPARE(below.pixel(x, y), toQRgb(LightGrey));
        // The print page stops alike: figure 10 ends row 2, row 3 stays empty.
        QCOMPARE(DrawPage(t.p, PrintGrid, 0, PrintStyle(false), printPage), 10);
        QCOMPARE(printPage.Point(610, 144 + 16), PrintGrey);
        QCOMPARE(printPage.Point(20, 288 + 16), QBColor(15));
        QCOMPARE(printPage.Point(0, 300), QBColor(15));
    }

    void figureUnderThePointer_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstShown");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("figure");
        QTest::newRow("first cell") << 100 << 0 << QPoint(1, 1) << 1;
        QTest::newRow("second column") << 100 << 0 << QPoint(48, 47) << 2;
        QTest::newRow("second row") << 100 << 0 << QPoint(47, 48) << 9;
        QTest::newRow("later page") << 100 << 8 << QPoint(100, 100) << 27;
        QTest::newRow("mid-row page") << 100 << 36 << QPoint(383, 383) << 100;
        QTest::newRow("empty cell") << 10 << 0 << QPoint(120, 60) << 0;
        QTest::newRow("past the last figure") << 100 << 40 << QPoint(383, 383) << 0;
        QTest::newRow("right of the grid") << 100 << 0 << QPoint(385, 10) << 0;
        QTest::newRow("below the grid") << 100 << 0 << QPoint(10, 384) << 0;
        QTest::newRow("left of the window") << 100 << 0 << QPoint(-1, 10) << 0;
    }

    void figureUnderThePointer() {
        QFETCH(int, count);
        QFETCH(int, firstShown);
        QFETCH(QPoint, pixel);
        QFETCH(int, figure);
        TestGame t;
        QVERIFY(t.start(squaresCollection(count)));
        QCOMPARE(FigureAt(t.p, ThumbnailGrid, firstShown, pixel), figure);
    }

    void printCellsAreNumbered() {
        TestGame t;
        QVERIFY(t.start(squaresCollection(3)));
        DrawPage(t.p, PrintGrid, 0, PrintStyle(false), printPage);
        // The number stands 400 twips left of the cell's right edge, 200 above its bottom.
        auto blackNear = [&](int r, int c) {
            for (int y = r * 144 - 13; y < r * 144; ++y)
                for (int x = c * 144 - 27; x < c * 144; ++x)
                    if (printPage.Point(x, y) == 0u)
                        return true;
            return false;
        };
        QVERIFY(blackNear(1, 1));
        QVERIFY(blackNear(1, 3));
        QVERIFY(!blackNear(1, 4));
        // Silhouettes carry no numbers.
        DrawPage(t.p, ThumbnailGrid, 0, ThumbnailStyle(), thumbnails);
        QCOMPARE(thumbnails.Point(40, 40), LightGrey);
    }

    void solutionShowsWhitePieceBorders() {
        TestGame t;
        QVERIFY(t.start(squaresCollection(1)));
        // Pieces 0 and 1 meet in column 33 of the first print cell; row 20 runs through both.
        DrawPage(t.p, PrintGrid, 0, PrintStyle(false), printPage);
        QCOMPARE(printPage.Point(33, 20), PrintGrey);
        QCOMPARE(printPage.Point(7, 20), PrintGrey);
        DrawPage(t.p, PrintGrid, 0, PrintStyle(true), printPage);
        QCOMPARE(printPage.Point(33, 20), QBColor(15));
        QCOMPARE(printPage.Point(7, 20), QBColor(15));
        QCOMPARE(printPage.Point(20, 20), PrintGrey);
    }

    // Figures 1 and 3 are stacked squares, so figure 3 is figure 1 again: one mark ticks both.
    void solvedFiguresAreTicked() {
        TestGame t;
        QVERIFY(t.start(squaresCollection(4, {1, 3})));
        t.p.MarkSolved(3);
        auto ticked = [](const Surface& page, int cellPixels, int c) {
            for (int y = 0; y < cellPixels; ++y)
                for (int x = (c - 1) * cellPixels; x < c * cellPixels; ++x)
                    if (page.Point(x, y) == TickColour)
                        return true;
            return false;
        };
        DrawPage(t.p, ThumbnailGrid, 0, ThumbnailStyle(), thumbnails);
        QCOMPARE(QList<bool>({ticked(thumbnails, 48, 1), ticked(thumbnails, 48, 2),
                              ticked(thumbnails, 48, 3), ticked(thumbnails, 48, 4)}),
                 QList<bool>({true, false, true, false}));
        // Printed pages carry no ticks.
        DrawPage(t.p, PrintGrid, 0, PrintStyle(false), printPage);
        QVERIFY(!ticked(printPage, 144, 1));
    }

    void drawingLeavesThePlayStateAlone() {
        TestGame t;
        QVERIFY(t.start(Fixtures::readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"))));
        t.p.PlayLevel = 2;
        t.p.CurrentFigure = 3;
        t.p.OrientMatch = {1, 1, 0, 1, 1, 0, 1};
        t.p.ShowFigure();
        const auto orientMatch = t.p.OrientMatch;
        const auto pts = t.p.Pts;
        const auto piecePts = t.p.PiecePts;
        const QImage board = t.game.board.image().copy();
        const QImage target = t.game.targetView.image().copy();
        DrawPage(t.p, ThumbnailGrid, 0, ThumbnailStyle(), thumbnails);
        DrawPage(t.p, PrintGrid, 5, PrintStyle(true), printPage);
        QCOMPARE(t.p.OrientMatch, orientMatch);
        QCOMPARE(t.p.Pts, pts);
        QCOMPARE(t.p.PiecePts, piecePts);
        QCOMPARE(t.p.CurrentFigure, 3);
        QCOMPARE(t.game.board.image(), board);
        QCOMPARE(t.game.targetView.image(), target);
    }

private:
    Surface thumbnails{401, 385, LightGrey};
    Surface printPage{741, 579, QBColor(15)};
};

QTEST_MAIN(TestFigurePage)
#include "tst_figurepage.moc"
