// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"
#include "support/playboard.h"

#include "play/hint.h"
#include "play/pointerplay.h"

#include <QPolygon>
#include <QTest>

using namespace Fixtures;

// Where a test lays a piece: the figure's place of slot, in the given orientation, with the
// figure's reference corner at Anchor.
struct Laid {
    int piece;
    int slot;
    int orient = 0;
};
using Layout = QList<Laid>;
Q_DECLARE_METATYPE(Layout)

namespace {

constexpr QPoint Anchor(100, 200);
constexpr QPoint Elsewhere(210, 280);

} // namespace

// The synthetic figure: seven 48-pixel squares, four in a row over three. In the synthetic set
// every piece is a square in its even orientations, so only the congruent pairs may stand
// in for each other, and a piece in an odd orientation (a diamond) is in no place.
class TestHint : public QObject {
    Q_OBJECT
private slots:
    void init() {
        b = std::make_unique<PlayBoard>();
        QVERIFY(b->start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10))})));
    }

    void hintShowsTheFirstPlaceNotFilled_data() {
        QTest::addColumn<Layout>("laid");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("free"); // over the free board, not over what was built
        QTest::newRow("nothing placed") << Layout{} << 0 << true;
        QTest::newRow("first piece placed") << Layout{{0, 0}} << 1 << false;
        QTest::newRow("three placed") << Layout{{0, 0}, {1, 1}, {2, 2}} << 3 << false;
        QTest::newRow("a pair exchanged") << Layout{{0, 1}, {1, 0}} << 2 << false;
        QTest::newRow("one of a pair in the other's place")
            << Layout{{0, 0}, {1, 1}, {4, 2}, {3, 3}} << 4 << false;
        QTest::newRow("turned wrong counts for nothing") << Layout{{0, 0, 1}} << 0 << true;
        // Pieces 5 and 6 fit together; piece 0 lies alone far from them.
        QTest::newRow("the larger group anchors") << Layout{{5, 5}, {6, 6}, {0, -1}} << 0 << false;
    }

    void hintShowsTheFirstPlaceNotFilled() {
        QFETCH(Layout, laid);
        QFETCH(int, slot);
        QFETCH(bool, free);
        PELORIN1& p = b->p;
        for (const Laid& l : laid) {
            const auto i = static_cast<std::size_t>(l.piece);
            const QPointF at = l.slot < 0
                                   ? QPointF(Elsewhere)
                                   : QPointF(Anchor) + QPointF(p.FigX[1][std::size_t(l.slot)],
                                                               p.FigY[1][std::size_t(l.slot)]);
            p.PieceX[i] = at.x();
            p.PieceY[i] = at.y();
            p.PieceOrient[i] = l.orient;
        }
        b->redraw();
        const QImage hitMap = b->game.hitMap.image();
        const QImage board = b->game.board.image();
        const auto pieces = std::tuple(p.PieceX, p.PieceY, p.PieceOrient);
        b->sound.commands.clear();

        b->key(Qt::Key_H);

        const std::optional<HintPlace>& hint = b->main->Hint().shown();
        QVERIFY(hint);
        QCOMPARE(hint->slot, slot);
        const QPolygon place(QList<QPoint>(hint->outline.begin(), hint->outline.end()));
        if (free) {
            const QRect box = place.boundingRect();
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    QCOMPARE(PieceAt(p, float(x), float(y)), -1);
        } else {
            const auto s = static_cast<std::size_t>(slot);
            const std::array<QPoint, 5> expected =
                p.Outline(slot, p.FigOrient[1][s], p.BoardLeft + Anchor.x() + p.FigX[1][s],
                          p.BoardTop + Anchor.y() + p.FigY[1][s]);
            QCOMPARE(place, QPolygon(QList<QPoint>(expected.begin(), expected.begin() + 4)));
        }
        // On the screen only: the pictures the game reads and draws on are as they were.
        QCOMPARE(b->game.hitMap.image(), hitMap);
        QCOMPARE(b->game.board.image(), board);
        const QPoint middle = place.boundingRect().center();
        QVERIFY(b->board()->grab().toImage().pixel(middle) != board.pixel(middle));
        QCOMPARE(b->cues(), QStringList{"Click"});
        QVERIFY(std::tuple(p.PieceX, p.PieceY, p.PieceOrient) == pieces);
    }

    void hintLastsUntilTheNextMoveOrItsTime() {
        const BoardHint& hint = b->main->Hint();
        b->key(Qt::Key_H);
        QVERIFY(hint.shown());
        b->key(Qt::Key_Right);
        QVERIFY(!hint.shown());
        b->key(Qt::Key_H);
        QVERIFY(hint.shown());
        QTRY_VERIFY_WITH_TIMEOUT(!hint.shown(), BoardHint::ShownMs + 2000);
    }

    // With every piece in its place, as Copy lays them, there is nothing left to show.
    void noHintWhenEveryPieceIsInPlace() {
        b->layFigure(1, 60, 60);
        b->sound.commands.clear();
        b->key(Qt::Key_H);
        QVERIFY(!b->main->Hint().shown());
        QVERIFY(b->sound.commands.isEmpty());
    }

private:
    std::unique_ptr<PlayBoard> b;
};

QTEST_MAIN(TestHint)
#include "tst_hint.moc"
