#include "support/fixtures.h"

#include <QTest>

using namespace Fixtures;

// Figure 1: the seven 48-pixel squares of the synthetic set on a 4 x 2 grid; figure 2 wants
// pieces 0 and 1 in orientations 2 and 4.
class TestFitCheck : public QObject {
    Q_OBJECT
private slots:
    void init();
    void arrangementFitsAnywhereOnTheBoard();
    void toleranceIsFifteenPixels_data();
    void toleranceIsFifteenPixels();
    void congruentPairsMayExchange();
    void successShowsTheSolutionAndLocksTheBoard();
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
    auto exchanged = [&](int a, int b) {
        layFigure(60, 60);
        std::swap(t->p.PieceX[a], t->p.PieceX[b]);
        std::swap(t->p.PieceY[a], t->p.PieceY[b]);
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
