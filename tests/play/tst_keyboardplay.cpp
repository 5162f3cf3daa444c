// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"
#include "support/playboard.h"

#include <QSignalSpy>
#include <QTest>

using namespace Fixtures;

// The synthetic piece set; keys go to the real board widget.
class TestKeyboardPlay : public QObject {
    Q_OBJECT
private slots:
    void init() {
        b = std::make_unique<PlayBoard>();
        QVERIFY(b->start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10))})));
    }

    void keysNudge_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<bool>("allPieces");
        const Qt::KeyboardModifiers none;
        const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
        QTest::newRow("left") << Qt::Key_Left << none << QPoint(-1, 0) << false;
        QTest::newRow("right") << Qt::Key_Right << none << QPoint(1, 0) << false;
        QTest::newRow("up") << Qt::Key_Up << none << QPoint(0, -1) << false;
        QTest::newRow("down") << Qt::Key_Down << none << QPoint(0, 1) << false;
        QTest::newRow("keypad 4") << Qt::Key_4 << pad << QPoint(-1, 0) << false;
        QTest::newRow("keypad 6") << Qt::Key_6 << pad << QPoint(1, 0) << false;
        QTest::newRow("keypad 8") << Qt::Key_8 << pad << QPoint(0, -1) << false;
        QTest::newRow("keypad 2") << Qt::Key_2 << pad << QPoint(0, 1) << false;
        QTest::newRow("keypad arrow") << Qt::Key_Left << pad << QPoint(-1, 0) << false;
        QTest::newRow("digit 8") << Qt::Key_8 << none << QPoint(0, 0) << false;
        QTest::newRow("meta left")
            << Qt::Key_Left << Qt::KeyboardModifiers(Qt::MetaModifier) << QPoint(-1, 0) << false;
        QTest::newRow("shift left")
            << Qt::Key_Left << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(-5, 0) << false;
        QTest::newRow("shift keypad 2")
            << Qt::Key_2 << (pad | Qt::ShiftModifier) << QPoint(0, 5) << false;
        QTest::newRow("ctrl left")
            << Qt::Key_Left << Qt::KeyboardModifiers(Qt::ControlModifier) << QPoint(-1, 0) << true;
        QTest::newRow("ctrl keypad 8")
            << Qt::Key_8 << (pad | Qt::ControlModifier) << QPoint(0, -1) << true;
        QTest::newRow("ctrl shift left")
            << Qt::Key_Left << (Qt::ControlModifier | Qt::ShiftModifier) << QPoint(-1, 0) << false;
        QTest::newRow("alt right")
            << Qt::Key_Right << Qt::KeyboardModifiers(Qt::AltModifier) << QPoint(1, 0) << false;
        QTest::newRow("shift alt right")
            << Qt::Key_Right << (Qt::ShiftModifier | Qt::AltModifier) << QPoint(1, 0) << false;
        QTest::newRow("ctrl alt down")
            << Qt::Key_Down << (Qt::ControlModifier | Qt::AltModifier) << QPoint(0, 1) << false;
        QTest::newRow("other key") << Qt::Key_A << none << QPoint(0, 0) << false;
    }

    void keysNudge() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QPoint, step);
        QFETCH(bool, allPieces);
        b->click(Qt::LeftButton, b->at(5)); // piece 5 becomes the keyboard piece
        const auto beforeX = b->p.PieceX;
        const auto beforeY = b->p.PieceY;
        QSignalSpy refreshed(&b->game.board, &Surface::refreshed);
        b->key(key, modifiers);
        b->key(key, modifiers);
        for (std::size_t i = 0; i < 7; ++i) {
            const bool moves = allPieces || i == 5;
            QCOMPARE(b->p.PieceX[i], beforeX[i] + (moves ? 2 * step.x() : 0));
            QCOMPARE(b->p.PieceY[i], beforeY[i] + (moves ? 2 * step.y() : 0));
        }
        QCOMPARE(refreshed.count(), 2);
        QCOMPARE(b->game.board.Point(b->at(5).x(), b->at(5).y()), b->p.SilhouetteColour);
        QVERIFY(b->cues().isEmpty());
    }

    void modifierKeysAloneDoNothing() {
        QSignalSpy refreshed(&b->game.board, &Surface::refreshed);
        for (Qt::Key k : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta})
            QTest::keyPress(b->board(), k);
        QCOMPARE(refreshed.count(), 0);
    }

    void tabTurnsTheKeyPieceAndKeepsTheFocus_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("tab") << Qt::Key_Tab << Qt::KeyboardModifiers();
        QTest::newRow("shift tab") << Qt::Key_Tab << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("backtab") << Qt::Key_Backtab << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("ctrl tab") << Qt::Key_Tab << Qt::KeyboardModifiers(Qt::ControlModifier);
    }

    void tabTurnsTheKeyPieceAndKeepsTheFocus() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        b->board()->setFocus();
        b->key(key, modifiers); // before any click: piece 0
        QCOMPARE(b->p.PieceOrient[0], 1);
        b->click(Qt::LeftButton, b->at(3));
        b->key(key, modifiers);
        b->key(key, modifiers);
        QCOMPARE(b->p.PieceOrient[3], 0); // the square alternates
        QCOMPARE(b->p.PieceOrient[0], 1);
        QCOMPARE(QApplication::focusWidget(), b->board());
        QCOMPARE(b->cues(), QStringList(3, QStringLiteral("Click")));
    }

    // The mark is drawn over the board on screen: the board image and the hit map keep the
    // piece's plain outline.
    void digitsChooseTheMarkedKeyboardPiece() {
        auto marked = [&](int i) {
            const QPoint edge = b->at(i, 0, 24);
            const QRgb shown = b->board()->grab().toImage().pixel(edge);
            return shown == qRgb(0, 0, 0) || shown == qRgb(255, 255, 255);
        };
        for (int piece : {6, 0, 3}) {
            b->key(Qt::Key(Qt::Key_1 + piece));
            QCOMPARE(int(b->p.KeyPiece), piece);
            for (int i = 0; i < 7; ++i)
                QCOMPARE(marked(i), i == piece);
            QCOMPARE(b->game.board.Point(b->at(piece, 0, 24).x(), b->at(piece, 0, 24).y()),
                     b->p.BoardBack);
            QCOMPARE(b->game.hitMap.Point(b->at(piece, 0, 24).x(), b->at(piece, 0, 24).y()),
                     b->p.BoardBack);
        }
        for (Qt::Key other : {Qt::Key_0, Qt::Key_8})
            b->key(other);
        b->key(Qt::Key_1, Qt::KeypadModifier); // the keypad's digits keep their own meaning
        QCOMPARE(int(b->p.KeyPiece), 3);
        b->key(Qt::Key_Right);
        QCOMPARE(b->p.PieceX[3], b->p.HomeX[3] + 1);
        QVERIFY(marked(3));
    }

    // Solving locks the board while the congratulation shows, which takes its focus; play
    // goes on afterwards, and the keys with it.
    void keysStayWithTheBoardAfterASolvedFigure() {
        QTRY_COMPARE(QApplication::focusWidget(), b->board());
        b->layFigure(1, 60, 60);
        bool locked = false;
        b->messages.whileShown = [&] { locked = !b->board()->isEnabled(); };
        b->drag(b->at(6), b->at(6) + QPoint(2, 0));
        QVERIFY(locked);
        QCOMPARE(QApplication::focusWidget(), b->board());
    }

    void tabWhileDraggingIsIgnored() {
        const QPoint from = b->at(0);
        b->press(Qt::LeftButton, from);
        b->key(Qt::Key_Tab);
        b->move(from + QPoint(10, 10));
        b->key(Qt::Key_Tab);
        b->release(Qt::LeftButton, from + QPoint(20, 20));
        QCOMPARE(b->p.PieceOrient[0], 0);
        QCOMPARE(b->p.PieceX[0], 48.0);
        QCOMPARE(b->cues(), QStringList{"Slide"});
    }

    void nudgedPieceLeavesItsSpotOnTheHitMap() {
        const QPoint spot = b->at(0, 10, 24);
        for (int k = 0; k < 4; ++k)
            b->key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(b->p.PieceX[0], 48.0);
        b->press(Qt::LeftButton, spot);
        QCOMPARE(b->p.Selected, -1);
        b->release(Qt::LeftButton, spot);
        // A nudge is free: the piece may leave the region a drop accepts.
        for (int k = 0; k < 12; ++k)
            b->key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(b->p.PieceY[0], -32.0);
    }

private:
    std::unique_ptr<PlayBoard> b;
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
