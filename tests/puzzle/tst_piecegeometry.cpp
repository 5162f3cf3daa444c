// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/piecegeometry.h"

#include <QTest>

using PieceGeometry::Polygon;

namespace {

Polygon square(int x, int y, int side) {
    return PieceGeometry::drawnPolygon(
        {QPoint(x, y), QPoint(x + side, y), QPoint(x + side, y + side), QPoint(x, y + side), {}});
}

// A right triangle with its right angle at (x, y) and legs along +x and +y, drawn as the
// pieces are: four points, one corner repeated.
Polygon triangle(int x, int y, int leg) {
    return PieceGeometry::drawnPolygon(
        {QPoint(x, y), QPoint(x + leg, y), QPoint(x, y + leg), QPoint(x, y), {}});
}

// The same triangle turned half round: right angle at (x + leg, y + leg).
Polygon turnedTriangle(int x, int y, int leg) {
    return PieceGeometry::drawnPolygon({QPoint(x + leg, y + leg),
                                        QPoint(x, y + leg),
                                        QPoint(x + leg, y),
                                        QPoint(x + leg, y + leg),
                                        {}});
}

} // namespace

class TestPieceGeometry : public QObject {
    Q_OBJECT
private slots:
    void repeatedCornersAreDropped();
    void overlapArea_data();
    void overlapArea();
    void sliverThickness();
    void sharedEdge_data();
    void sharedEdge();
};

void TestPieceGeometry::repeatedCornersAreDropped() {
    QCOMPARE(triangle(0, 0, 48).size(), 3);
    QCOMPARE(square(0, 0, 48).size(), 4);
    QCOMPARE(PieceGeometry::area(triangle(0, 0, 48)), 1152.0);
    // Both turning directions of the given points end up the same way round.
    QCOMPARE(PieceGeometry::area(turnedTriangle(0, 0, 48)), 1152.0);
}

void TestPieceGeometry::overlapArea_data() {
    QTest::addColumn<Polygon>("a");
    QTest::addColumn<Polygon>("b");
    QTest::addColumn<double>("area");
    QTest::newRow("squares half over") << square(0, 0, 48) << square(24, 0, 48) << 1152.0;
    QTest::newRow("squares corner over") << square(0, 0, 48) << square(40, 30, 48) << 144.0;
    QTest::newRow("squares side by side") << square(0, 0, 48) << square(48, 0, 48) << 0.0;
    QTest::newRow("triangles on their hypotenuse")
        << triangle(0, 0, 48) << turnedTriangle(0, 0, 48) << 0.0;
    QTest::newRow("triangle in square") << square(0, 0, 48) << triangle(0, 0, 48) << 1152.0;
    // The turned triangle pushed 8 pixels left: the strip between x + y = 40 and 48,
    // less the corner of it beyond x = 40.
    QTest::newRow("triangles pushed together")
        << triangle(0, 0, 48) << turnedTriangle(-8, 0, 48) << 1152.0 - 800.0 - 32.0;
}

void TestPieceGeometry::overlapArea() {
    QFETCH(Polygon, a);
    QFETCH(Polygon, b);
    QFETCH(double, area);
    QVERIFY(qAbs(PieceGeometry::area(PieceGeometry::intersection(a, b)) - area) < 1e-9);
    QVERIFY(qAbs(PieceGeometry::area(PieceGeometry::intersection(b, a)) - area) < 1e-9);
}

void TestPieceGeometry::sliverThickness() {
    // A strip one pixel wide and 48 long is one pixel thick; a 24-pixel overlap is 24.
    QCOMPARE(
        PieceGeometry::thickness(PieceGeometry::intersection(square(0, 0, 48), square(47, 0, 48))),
        1.0);
    QCOMPARE(
        PieceGeometry::thickness(PieceGeometry::intersection(square(0, 0, 48), square(24, 0, 48))),
        24.0);
    // Across its narrowest the strip is as wide, but a corner with 20-pixel legs is twice as
    // wide as it is thick.
    QCOMPARE(PieceGeometry::width(PieceGeometry::intersection(square(0, 0, 48), square(47, 0, 48))),
             1.0);
    const Polygon corner = PieceGeometry::intersection(square(0, 0, 48), triangle(28, 28, 20));
    QVERIFY(qAbs(PieceGeometry::thickness(corner) - 10 / std::sqrt(2.0)) < 1e-9);
    QVERIFY(qAbs(PieceGeometry::width(corner) - 20 / std::sqrt(2.0)) < 1e-9);
}

void TestPieceGeometry::sharedEdge_data() {
    QTest::addColumn<Polygon>("a");
    QTest::addColumn<Polygon>("b");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("length");
    QTest::newRow("full side") << square(0, 0, 48) << square(48, 0, 48) << 0.0 << 48.0;
    QTest::newRow("part of a side") << square(0, 0, 48) << square(48, 30, 48) << 0.0 << 18.0;
    QTest::newRow("corners only") << square(0, 0, 48) << square(48, 48, 48) << 1.0 << 0.0;
    QTest::newRow("one pixel gap, no slack") << square(0, 0, 48) << square(49, 0, 48) << 0.0 << 0.0;
    QTest::newRow("one pixel gap, one pixel slack")
        << square(0, 0, 48) << square(49, 0, 48) << 1.0 << 48.0;
    QTest::newRow("two pixel gap") << square(0, 0, 48) << square(50, 0, 48) << 1.0 << 0.0;
    QTest::newRow("hypotenuse") << triangle(0, 0, 48) << turnedTriangle(0, 0, 48) << 0.0
                                << 48 * std::sqrt(2.0);
    // One pixel to the right moves the diagonal line 0.7 pixels: still within the slack,
    // and the shared part is shorter by half a pixel's diagonal.
    QTest::newRow("hypotenuse a pixel off")
        << triangle(0, 0, 48) << turnedTriangle(1, 0, 48) << 1.0 << 95 / std::sqrt(2.0);
    QTest::newRow("hypotenuse two pixels off")
        << triangle(0, 0, 48) << turnedTriangle(2, 0, 48) << 1.0 << 0.0;
    QTest::newRow("leg on a side") << triangle(0, 0, 48) << square(0, -48, 48) << 0.0 << 48.0;
}

void TestPieceGeometry::sharedEdge() {
    QFETCH(Polygon, a);
    QFETCH(Polygon, b);
    QFETCH(double, tolerance);
    QFETCH(double, length);
    QVERIFY2(qAbs(PieceGeometry::sharedEdgeLength(a, b, tolerance) - length) < 1e-9,
             qPrintable(QString::number(PieceGeometry::sharedEdgeLength(a, b, tolerance))));
}

QTEST_APPLESS_MAIN(TestPieceGeometry)
#include "tst_piecegeometry.moc"
