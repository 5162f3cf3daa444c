// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"
#include "support/playboard.h"

#include <QTest>

using namespace Fixtures;

// The synthetic piece set: 48-pixel squares (diamonds in odd orientations), pieces at home
// on a grid: piece 0 at (28, 28), piece 5 at (112, 124), no turn shifts.
class TestPointerPlay : public QObject {
    Q_OBJECT
private slots:
    void init() {
        b = std::make_unique<PlayBoard>();
        QVERIFY(b->start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10))})));
    }

    void pickByHitMap_data() {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<int>("picked");
        QTest::newRow("inside piece 0") << 0 << QPoint(24, 24) << 0;
        QTest::newRow("inside piece 6") << 6 << QPoint(2, 46) << 6;
        QTest::newRow("left outline pixel") << 0 << QPoint(0, 24) << -1;
        QTest::newRow("bottom outline pixel") << 5 << QPoint(24, 48) << -1;
        QTest::newRow("background") << 0 << QPoint(-10, -10) << -1;
    }

    void pickByHitMap() {
        QFETCH(int, piece);
        QFETCH(QPoint, offset);
        QFETCH(int, picked);
        b->p.KeyPiece = 3;
        const QPoint pos = b->at(piece, offset.x(), offset.y());
        b->press(Qt::LeftButton, pos);
        QCOMPARE(b->p.Selected, picked);
        b->release(Qt::LeftButton, pos);
        QCOMPARE(b->p.Selected, -1);
        QCOMPARE(int(b->p.KeyPiece), picked == -1 ? 3 : picked);
        QVERIFY(b->cues().isEmpty());
    }

    void topmostPieceIsPicked() {
        // Piece 5 over the right half of piece 0: after a full redraw the higher index is on top.
        b->p.PieceX[5] = b->p.PieceX[0] + 24;
        b->p.PieceY[5] = b->p.PieceY[0];
        b->redraw();
        const QPoint overlap = b->at(0, 36, 24);
        b->press(Qt::LeftButton, overlap);
        QCOMPARE(b->p.Selected, 5);
        b->release(Qt::LeftButton, overlap);
        // A drop puts piece 0 on top, one pixel further right.
        b->drag(b->at(0, 10, 24), b->at(0, 11, 24));
        QCOMPARE(b->p.PieceX[0], 29.0);
        b->press(Qt::LeftButton, overlap);
        QCOMPARE(b->p.Selected, 0);
        b->release(Qt::LeftButton, overlap);
    }

    void dragShowsWhiteOutlineAndDropMoves() {
        const QPoint oldCentre = b->at(0);
        b->press(Qt::LeftButton, oldCentre);
        QCOMPARE(b->p.PieceX[0], 28.0); // nothing moves before the first move
        b->move(oldCentre + QPoint(8, 8));
        QCOMPARE(b->game.board.Point(oldCentre.x(), oldCentre.y()), b->p.BoardBack);
        const QPoint to = oldCentre + QPoint(90, 200);
        b->move(to);
        const Surface& board = b->game.board;
        // The held piece shows as an unfilled white outline around the pointer's new place.
        QCOMPARE(board.Point(38 + 90, 38 + 200 + 24), b->p.DragColour);
        QCOMPARE(board.Point(38 + 90 + 24, 38 + 200 + 24), b->p.BoardBack);
        QCOMPARE(board.Point(b->at(5).x(), b->at(5).y()), b->p.SilhouetteColour);
        // On screen it floats over the board as it was without the held piece, until the drop.
        QCOMPARE(board.floating()->box, QRect(QPoint(37 + 90, 37 + 200), QSize(51, 51)));
        QCOMPARE(board.screenImage().pixel(oldCentre), toQRgb(b->p.BoardBack));
        b->release(Qt::LeftButton, to);
        QVERIFY(!board.floating());

        QCOMPARE(b->p.PieceX[0], 28.0 + 90);
        QCOMPARE(b->p.PieceY[0], 28.0 + 200);
        QCOMPARE(board.Point(38 + 90 + 24, 38 + 200 + 24), b->p.SilhouetteColour);
        QCOMPARE(board.Point(38 + 90, 38 + 200 + 24), b->p.BoardBack);
        // The place it left answers no piece on the hit map.
        b->press(Qt::LeftButton, oldCentre);
        QCOMPARE(b->p.Selected, -1);
        QCOMPARE(b->cues(), QStringList{"Slide"});
    }

    void dropBounds_data() {
        QTest::addColumn<QPoint>("target"); // PieceX, PieceY that the drop asks for
        QTest::addColumn<bool>("accepted");
        // Piece 0 is a 48-pixel square: the accepted region is 20..282 by 20..317.
        QTest::newRow("x 20") << QPoint(20, 100) << true;
        QTest::newRow("x 19") << QPoint(19, 100) << false;
        QTest::newRow("y 20") << QPoint(100, 20) << true;
        QTest::newRow("y 19") << QPoint(100, 19) << false;
        QTest::newRow("right edge 330") << QPoint(282, 200) << true;
        QTest::newRow("right edge 331") << QPoint(283, 200) << false;
        QTest::newRow("bottom edge 365") << QPoint(200, 317) << true;
        QTest::newRow("bottom edge 366") << QPoint(200, 318) << false;
    }

    void dropBounds() {
        QFETCH(QPoint, target);
        QFETCH(bool, accepted);
        const QPoint from = b->at(0);
        b->drag(from, from + target - QPoint(28, 28));
        const QPoint expected = accepted ? target : QPoint(28, 28);
        QCOMPARE(b->p.PieceX[0], double(expected.x()));
        QCOMPARE(b->p.PieceY[0], double(expected.y()));
        QCOMPARE(int(b->p.KeyPiece), 0);
        QCOMPARE(b->game.board.Point(b->at(0).x(), b->at(0).y()), b->p.SilhouetteColour);
        QCOMPARE(b->cues(), QStringList{accepted ? "Slide" : "Error"});
    }

    // Width and height each bound their own side: piece 2 of the default set starts in
    // orientation 1, 68 pixels wide and 34 tall.
    void dropBoundsOfAPieceWiderThanTall_data() {
        QTest::addColumn<QPoint>("target"); // PieceX, PieceY that the drop asks for
        QTest::addColumn<bool>("accepted");
        QTest::newRow("bottom edge 365") << QPoint(136, 331) << true;
        QTest::newRow("bottom edge 366") << QPoint(136, 332) << false;
        QTest::newRow("right edge 330") << QPoint(262, 100) << true;
        QTest::newRow("right edge 331") << QPoint(263, 100) << false;
    }

    void dropBoundsOfAPieceWiderThanTall() {
        QFETCH(QPoint, target);
        QFETCH(bool, accepted);
        QVERIFY(b->start(collection(defaultHeader(), {record(1, 10, 10, spread(10, 10))})));
        QCOMPARE(b->p.ExtentX[2][1] - b->p.ExtentY[2][1], 34.0);
        const QPoint home(int(b->p.PieceX[2]), int(b->p.PieceY[2]));
        const QPoint from = b->pointOn(2);
        b->drag(from, from + target - home);
        const QPoint expected = accepted ? target : home;
        QCOMPARE(QPoint(int(b->p.PieceX[2]), int(b->p.PieceY[2])), expected);
    }

    // The point grabbed stays under the pointer from the press to the drop, however the
    // moves between arrive.
    void dropMovesByThePointerSinceThePress_data() {
        QTest::addColumn<QList<QPoint>>("moves"); // from the press point
        QTest::addColumn<QPoint>("release");
        QTest::newRow("one fast move") << QList<QPoint>{{30, 0}} << QPoint(30, 0);
        QTest::newRow("one jump, released elsewhere") << QList<QPoint>{{10, 10}} << QPoint(50, 10);
        QTest::newRow("several moves")
            << QList<QPoint>{{5, 5}, {20, 7}, {60, -3}} << QPoint(60, -3);
        QTest::newRow("back to the press point") << QList<QPoint>{{5, 5}, {40, 40}} << QPoint();
    }

    void dropMovesByThePointerSinceThePress() {
        QFETCH(QList<QPoint>, moves);
        QFETCH(QPoint, release);
        const QPoint from = b->at(0);
        b->press(Qt::LeftButton, from);
        for (const QPoint& m : moves) {
            b->move(from + m);
            // The outline's left corner keeps its distance to the pointer.
            QCOMPARE(b->game.board.Point(38 + m.x(), from.y() + m.y()), b->p.DragColour);
        }
        b->release(Qt::LeftButton, from + release);
        QCOMPARE(b->p.PieceX[0], 28.0 + release.x());
        QCOMPARE(b->p.PieceY[0], 28.0 + release.y());
        QCOMPARE(b->cues(), QStringList{"Slide"});
    }

    // Only the left button's release lets go of a piece it picked up.
    void otherReleasesDuringADragChangeNothing_data() {
        QTest::addColumn<bool>("moved"); // whether the drag has begun
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right, before the first move") << false << Qt::RightButton;
        QTest::newRow("right, while dragging") << true << Qt::RightButton;
        QTest::newRow("middle, while dragging") << true << Qt::MiddleButton;
    }

    void otherReleasesDuringADragChangeNothing() {
        QFETCH(bool, moved);
        QFETCH(Qt::MouseButton, button);
        const QPoint from = b->at(0);
        b->press(Qt::LeftButton, from);
        if (moved)
            b->move(from + QPoint(30, 30));
        b->press(button, from + QPoint(30, 30));
        b->release(button, from + QPoint(30, 30));
        QCOMPARE(b->p.Selected, 0);
        QVERIFY(b->cues().isEmpty());
        b->move(from + QPoint(50, 40));
        b->release(Qt::LeftButton, from + QPoint(50, 40));
        QCOMPARE(b->p.PieceX[0], 28.0 + 50);
        QCOMPARE(b->p.PieceY[0], 28.0 + 40);
        QCOMPARE(b->p.PieceOrient[0], 0);
        QCOMPARE(b->cues(), QStringList{"Slide"});
    }

    void releaseWithoutMoveIsAClick() {
        const QPoint on5 = b->at(5);
        b->press(Qt::LeftButton, on5);
        b->release(Qt::LeftButton, on5 + QPoint(30, 0));
        QCOMPARE(int(b->p.KeyPiece), 5);
        b->move(on5 + QPoint(60, 0));
        QCOMPARE(b->p.PieceX[5], 112.0);
        QVERIFY(b->cues().isEmpty());
    }

    void turnsAddTheirShifts_data() {
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("turns");
        QTest::newRow("square alternates") << 3 << 2;
        QTest::newRow("piece 0 cycles") << 0 << 8;
        QTest::newRow("piece 2 cycles") << 2 << 8;
        QTest::newRow("piece 6 cycles") << 6 << 8;
    }

    void turnsAddTheirShifts() {
        QFETCH(int, piece);
        QFETCH(int, turns);
        PlayBoard d; // the default piece set, whose turns shift the pieces
        QVERIFY(d.start(collection(defaultHeader(), {record(1, 60, 60, spread(60, 60))})));
        const auto n = static_cast<std::size_t>(piece);
        const int home = d.p.PieceOrient[n];
        double x = d.p.PieceX[n];
        double y = d.p.PieceY[n];
        bool shifted = false;
        for (int k = 1; k <= turns; ++k) {
            d.click(Qt::RightButton, d.pointOn(piece));
            const int o = (home + k) % turns;
            QCOMPARE(d.p.PieceOrient[n], o);
            x += d.p.RotDX[n][static_cast<std::size_t>(o)];
            y += d.p.RotDY[n][static_cast<std::size_t>(o)];
            shifted = shifted || x != d.p.HomeX[n] || y != d.p.HomeY[n];
            QCOMPARE(d.p.PieceX[n], x);
            QCOMPARE(d.p.PieceY[n], y);
            QVERIFY(!d.pointOn(piece).isNull()); // drawn on both surfaces again
        }
        QVERIFY(shifted || piece == 3);
        QCOMPARE(d.cues(), QStringList(turns, QStringLiteral("Click")));
    }

    // Forward turns as a right click does; backward undoes it exactly, also across the
    // last orientation. A fine wheel's small steps add up to a notch.
    void wheelTurnsBothWays_data() {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<int>("turns"); // net orientations turned, forward positive
        QTest::addColumn<int>("clicks");
        QTest::newRow("forward") << 2 << QList<int>{120, 120} << 2 << 2;
        QTest::newRow("backward past orientation 0") << 6 << QList<int>{-120} << -1 << 1;
        QTest::newRow("square backward") << 3 << QList<int>{-120, -120, -120} << -3 << 3;
        QTest::newRow("forward and back") << 0 << QList<int>{120, -120, -120} << -1 << 3;
        QTest::newRow("fine steps add up") << 5 << QList<int>{40, 40, 40, 40} << 1 << 1;
        QTest::newRow("fine steps back and forth") << 5 << QList<int>{60, -60, 60} << 0 << 0;
    }

    void wheelTurnsBothWays() {
        QFETCH(int, piece);
        QFETCH(QList<int>, deltas);
        QFETCH(int, turns);
        QFETCH(int, clicks);
        PlayBoard d; // the default piece set, whose turns shift the pieces
        QVERIFY(d.start(collection(defaultHeader(), {record(1, 60, 60, spread(60, 60))})));
        const auto n = static_cast<std::size_t>(piece);
        const int count = piece == 3 ? 2 : 8;
        const int home = d.p.PieceOrient[n];
        for (int delta : deltas)
            d.wheel(d.pointOn(piece), delta);
        QCOMPARE(d.p.PieceOrient[n], ((home + turns) % count + count) % count);
        QCOMPARE(d.cues(), QStringList(clicks, QStringLiteral("Click")));
        // Right clicks for turns back, the wheel backward for turns forward: home again.
        for (int k = 0; k < std::abs(turns); ++k) {
            if (turns < 0)
                d.click(Qt::RightButton, d.pointOn(piece));
            else
                d.wheel(d.pointOn(piece), -120);
        }
        QCOMPARE(d.p.PieceOrient[n], home);
        QCOMPARE(d.p.PieceX[n], d.p.HomeX[n]);
        QCOMPARE(d.p.PieceY[n], d.p.HomeY[n]);
        QVERIFY(!d.pointOn(piece).isNull()); // drawn on both surfaces
    }

    void rightPressWhileHoldingChangesNothing() {
        const QPoint from = b->at(0);
        b->press(Qt::LeftButton, from);
        b->press(Qt::RightButton, from);
        QCOMPARE(b->p.PieceOrient[0], 0);
        b->move(from + QPoint(30, 30));
        b->press(Qt::RightButton, from + QPoint(30, 30));
        b->press(Qt::RightButton, b->at(6));
        b->wheel(from + QPoint(30, 30), 120);
        b->wheel(b->at(6), -120);
        QCOMPARE(b->p.PieceOrient[0], 0);
        QCOMPARE(b->p.PieceOrient[6], 0);
        b->release(Qt::LeftButton, from + QPoint(40, 40));
        QCOMPARE(b->p.PieceX[0], 28.0 + 40);
        QCOMPARE(b->cues(), QStringList{"Slide"});
    }

    void otherButtonsDoNothing() {
        b->p.KeyPiece = 2;
        const QPoint from = b->at(0);
        const QImage before = b->game.board.image();
        for (Qt::MouseButton button : {Qt::MiddleButton, Qt::BackButton}) {
            b->press(button, from);
            b->move(from + QPoint(50, 50));
            b->release(button, from + QPoint(50, 50));
        }
        QCOMPARE(int(b->p.KeyPiece), 2);
        QCOMPARE(b->game.board.image(), before);
        QVERIFY(b->cues().isEmpty());
    }

private:
    std::unique_ptr<PlayBoard> b;
};

QTEST_MAIN(TestPointerPlay)
#include "tst_pointerplay.moc"
