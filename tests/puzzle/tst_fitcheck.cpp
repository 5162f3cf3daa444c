// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "collection/defaultpieceset.h"

#include <QTest>

using namespace Fixtures;

// Figure 1: the seven 48-pixel squares of the synthetic set on a 4 x 2 grid; figure 2 wants
// pieces 0 and 1 in orientations 2 and 4. The tests of shapes use the real pieces of the
// default piece set on figures that can be built in several ways.
class TestFitCheck : public QObject {
    Q_OBJECT
private slots:
    void init();
    void arrangementFitsAnywhereOnTheBoard();
    void toleranceIsFifteenPixels_data();
    void toleranceIsFifteenPixels();
    void congruentPairsMayExchange();
    void successShowsTheSolutionAndLocksTheBoard();
    void otherSolutionsFit_data();
    void otherSolutionsFit();
    void wrongOrientationInPlace_data();
    void wrongOrientationInPlace();
    void onePieceOff_data();
    void onePieceOff();
    void orientationPairRules_data();
    void orientationPairRules();
    void sevenMatchingOrientationsRunTheFitCheck();

private:
    void layFigure(double x, double y) {
        for (std::size_t i = 0; i < 7; ++i) {
            t->p.PieceX[i] = x + t->p.FigX[1][i];
            t->p.PieceY[i] = y + t->p.FigY[1][i];
            t->p.PieceOrient[i] = 0;
        }
    }
    bool fits() {
        t->game.board.setEnabled(true);
        t->p.CheckFit();
        return t->p.Covered == 1;
    }
    // Starts on a collection of one figure of real pieces.
    void startOn(const QByteArray& figure) {
        QVERIFY(t->start(collection(DefaultPieceSet(), {figure})));
        t->p.CurrentFigure = 1;
    }
    // Puts the pieces where the placement has them, moved by (dx, dy).
    void lay(const Placement& placement, int dx, int dy) {
        for (std::size_t i = 0; i < 7; ++i) {
            t->p.PieceOrient[i] = placement[i][0];
            t->p.PieceX[i] = placement[i][1] + dx;
            t->p.PieceY[i] = placement[i][2] + dy;
        }
    }
    std::unique_ptr<TestGame> t;
};

void TestFitCheck::init() {
    t = std::make_unique<TestGame>();
    Placement turned = spread(10, 10);
    turned[0][0] = 2;
    turned[1][0] = 4;
    QVERIFY(t->start(collection(syntheticHeader(),
                                {record(1, 10, 10, spread(10, 10)), record(2, 10, 10, turned)})));
    t->p.CurrentFigure = 1;
}

void TestFitCheck::arrangementFitsAnywhereOnTheBoard() {
    for (QPoint at : {QPoint(20, 20), QPoint(97, 201), QPoint(-300, 900)}) {
        layFigure(at.x(), at.y());
        QVERIFY(fits());
    }
}

void TestFitCheck::toleranceIsFifteenPixels_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("fits");
    for (int piece : {0, 2, 3, 5, 6}) {
        const QByteArray name = QByteArray::number(piece);
        QTest::newRow(name + " 15,15") << piece << 15 << 15 << true;
        QTest::newRow(name + " 16,0") << piece << 16 << 0 << false;
        QTest::newRow(name + " 0,16") << piece << 0 << 16 << false;
        QTest::newRow(name + " 0,-16") << piece << 0 << -16 << false;
    }
}

void TestFitCheck::toleranceIsFifteenPixels() {
    QFETCH(int, piece);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, fits);
    layFigure(60, 60);
    t->p.PieceX[piece] += dx;
    t->p.PieceY[piece] += dy;
    QCOMPARE(this->fits(), fits);
}

void TestFitCheck::congruentPairsMayExchange() {
    const ManyWays rectangle = figuresWithOtherSolutions()[1];
    startOn(rectangle.figure);
    auto exchanged = [&](int a, int b) {
        Placement p = placementOf(rectangle.figure);
        std::swap(p[static_cast<std::size_t>(a)], p[static_cast<std::size_t>(b)]);
        lay(p, -20, 30);
        return fits();
    };
    QVERIFY(exchanged(0, 1));
    QVERIFY(exchanged(2, 4));
    QVERIFY(!exchanged(5, 6));
    QVERIFY(!exchanged(0, 2));
}

void TestFitCheck::successShowsTheSolutionAndLocksTheBoard() {
    layFigure(100, 100);
    t->p.PieceX[5] += 7; // near enough; the solution is drawn exactly
    QVERIFY(fits());
    QVERIFY(!t->game.board.Enabled());
    // Piece 5 of the figure sits at (48, 48) from the anchor (100, 100) + board offset 10.
    QCOMPARE(t->game.board.Point(158 + 24, 158 + 24), t->p.SilhouetteColour);
    QCOMPARE(t->game.board.Point(158, 158 + 24), QBColor(8));
}

void TestFitCheck::otherSolutionsFit_data() {
    QTest::addColumn<QByteArray>("figure");
    QTest::addColumn<QByteArray>("other");
    for (const ManyWays& m : figuresWithOtherSolutions()) {
        for (qsizetype k = 0; k < m.others.size(); ++k)
            QTest::newRow(m.name + ' ' + QByteArray::number(k + 1)) << m.figure << m.others[k];
    }
}

void TestFitCheck::otherSolutionsFit() {
    QFETCH(QByteArray, figure);
    QFETCH(QByteArray, other);
    startOn(figure);
    const Placement p = placementOf(other);
    lay(p, 31, 47);
    QVERIFY(fits());
    QVERIFY(!t->game.board.Enabled());
    // The player's own arrangement is shown: every corner of its pieces is on a grey border.
    for (std::size_t i = 0; i < 7; ++i) {
        const std::array<QPoint, 5> corners =
            t->p.Outline(static_cast<int>(i), p[i][0], t->p.BoardLeft + p[i][1] + 31,
                         t->p.BoardTop + p[i][2] + 47);
        for (std::size_t k = 0; k < 4; ++k)
            QCOMPARE(t->game.board.Point(corners[k].x(), corners[k].y()), QBColor(8));
    }
    // Dropped by hand, every piece a couple of pixels off.
    static constexpr std::array<QPoint, 7> offsets{QPoint(2, -1),  QPoint(-2, 2), QPoint(1, 1),
                                                   QPoint(-1, -2), QPoint(2, 2),  QPoint(0, -2),
                                                   QPoint(-2, 0)};
    lay(p, 90, 20);
    for (std::size_t i = 0; i < 7; ++i) {
        t->p.PieceX[i] += offsets[i].x();
        t->p.PieceY[i] += offsets[i].y();
    }
    QVERIFY(fits());
}

// Each piece in its place but turned to every other orientation: only the ones that draw
// the same outline (the square's 0, 2, 4, 6 and 1, 3, 5, 7) fit.
void TestFitCheck::wrongOrientationInPlace_data() {
    QTest::addColumn<QByteArray>("figure");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("fits");
    for (const ManyWays& m : figuresWithOtherSolutions().mid(0, 2)) {
        const Placement p = placementOf(m.figure);
        for (int i = 0; i < 7; ++i) {
            const int wanted = p[static_cast<std::size_t>(i)][0];
            for (int o = 0; o < 8; ++o) {
                const bool same = o == wanted || (i == 3 && o % 2 == wanted % 2);
                if (o != wanted)
                    QTest::addRow("%s: piece %d in %d for %d", m.name.constData(), i, o, wanted)
                        << m.figure << i << o << same;
            }
        }
    }
}

void TestFitCheck::wrongOrientationInPlace() {
    QFETCH(QByteArray, figure);
    QFETCH(int, piece);
    QFETCH(int, orientation);
    QFETCH(bool, fits);
    startOn(figure);
    Placement p = placementOf(figure);
    p[static_cast<std::size_t>(piece)][0] = orientation;
    lay(p, 10, 10);
    QCOMPARE(this->fits(), fits);
}

// A piece left one turn short of its orientation (where the turn would have put it), or
// moved by half its size, spoils the figure.
void TestFitCheck::onePieceOff_data() {
    QTest::addColumn<QByteArray>("figure");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QPoint>("halfSize");
    for (const ManyWays& m : figuresWithOtherSolutions()) {
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("%s: piece %d one turn short", m.name.constData(), i)
                << m.figure << i << QPoint();
            for (QPoint d : {QPoint(-1, 0), QPoint(0, 1)})
                QTest::addRow("%s: piece %d moved by half (%d, %d)", m.name.constData(), i, d.x(),
                              d.y())
                    << m.figure << i << d;
        }
    }
}

void TestFitCheck::onePieceOff() {
    QFETCH(QByteArray, figure);
    QFETCH(int, piece);
    QFETCH(QPoint, halfSize);
    startOn(figure);
    Placement p = placementOf(figure);
    auto& [o, x, y] = p[static_cast<std::size_t>(piece)];
    const auto i = static_cast<std::size_t>(piece);
    const auto n = static_cast<std::size_t>(o);
    if (halfSize.isNull()) {
        x -= static_cast<int>(t->p.RotDX[i][n]);
        y -= static_cast<int>(t->p.RotDY[i][n]);
        o = piece == 3 ? 1 - o % 2 : (o + 7) % 8;
    } else {
        x += halfSize.x() * static_cast<int>(t->p.ExtentX[i][n]) / 2;
        y += halfSize.y() * static_cast<int>(t->p.ExtentY[i][n]) / 2;
    }
    lay(p, 10, 10);
    QVERIFY(!fits());
}

void TestFitCheck::orientationPairRules_data() {
    QTest::addColumn<int>("p0");
    QTest::addColumn<int>("p1");
    QTest::addColumn<int>("flag0");
    QTest::addColumn<int>("flag1");
    // The figure wants F(0) = 2 and F(1) = 4.
    QTest::newRow("straight") << 2 << 4 << 1 << 1;
    QTest::newRow("exchanged") << 4 << 2 << 1 << 1;
    QTest::newRow("both in F(0)") << 2 << 2 << 1 << 0;
    QTest::newRow("piece 1 in F(0), piece 0 neither") << 7 << 2 << 0 << 1;
    QTest::newRow("neither") << 0 << 6 << 0 << 0;
}

void TestFitCheck::orientationPairRules() {
    QFETCH(int, p0);
    QFETCH(int, p1);
    QFETCH(int, flag0);
    QFETCH(int, flag1);
    t->p.CurrentFigure = 2;
    t->p.OrientMatch.fill(0);
    t->p.PieceOrient[0] = p0;
    t->p.PieceOrient[1] = p1;
    t->p.CheckOrientation(1);
    QCOMPARE(int(t->p.OrientMatch[0]), flag0);
    QCOMPARE(int(t->p.OrientMatch[1]), flag1);
}

void TestFitCheck::sevenMatchingOrientationsRunTheFitCheck() {
    layFigure(40, 40);
    t->p.OrientMatch.fill(0);
    t->p.PieceOrient[3] = 1; // the square is judged by its index
    for (int i = 0; i < 7; ++i)
        t->p.CheckOrientation(i);
    QCOMPARE(t->p.OrientMatch[3], std::int16_t(0));
    QCOMPARE(t->p.Covered, std::int16_t(0));
    t->p.PieceOrient[3] = 0;
    t->p.CheckOrientation(3);
    QCOMPARE(t->p.Covered, std::int16_t(1));
    QVERIFY(!t->game.board.Enabled());
}

QTEST_MAIN(TestFitCheck)
#include "tst_fitcheck.moc"
