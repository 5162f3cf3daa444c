// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/silhouette.h"

#include "collection/defaultpieceset.h"
#include "puzzle/figurefile.h"
#include "puzzle/piecegeometry.h"
#include "support/fixtures.h"

#include <QTest>

using Silhouette::Arrangement;

namespace {

Silhouette::Outline square(int x, int y) {
    return {QPoint(x, y), QPoint(x + 48, y), QPoint(x + 48, y + 48), QPoint(x, y + 48),
            QPoint(x, y)};
}

// The triangle below the square's diagonal from top left to bottom right, or above it.
Silhouette::Outline half(int x, int y, bool below) {
    const QPoint corner = below ? QPoint(x, y + 48) : QPoint(x + 48, y);
    return {QPoint(x, y), QPoint(x + 48, y + 48), corner, QPoint(x, y), QPoint(x, y)};
}

// Seven squares, the first at (x, y) and each next one step further.
Arrangement row(int x, int y, QPoint step) {
    Arrangement a;
    for (std::size_t k = 0; k < 7; ++k)
        a[k] = square(x + step.x() * static_cast<int>(k), y + step.y() * static_cast<int>(k));
    return a;
}

Arrangement arrangementOf(const QByteArray& record, QPoint by) {
    QString why;
    const PieceGeometry::PieceSet set =
        PieceGeometry::pieceSetFrom(*FigureFile::parseHeader(DefaultPieceSet(), &why));
    const Fixtures::Placement p = Fixtures::placementOf(record);
    Arrangement a;
    for (std::size_t k = 0; k < 7; ++k)
        a[k] = PieceGeometry::placedOutline(set, static_cast<int>(k), p[k][0], p[k][1] + by.x(),
                                            p[k][2] + by.y());
    return a;
}

} // namespace

class TestSilhouette : public QObject {
    Q_OBJECT
private slots:
    void areaIsExact_data();
    void areaIsExact();
    void otherBuildsLineUpExactly();
};

// The area is summed along the outline of the union; outlines that coincide, run along each
// other or cross must each count once.
void TestSilhouette::areaIsExact_data() {
    QTest::addColumn<Arrangement>("pieces");
    QTest::addColumn<double>("area");
    QTest::newRow("apart") << row(0, 0, {60, 0}) << 7 * 2304.0;
    QTest::newRow("side by side") << row(0, 0, {48, 0}) << 7 * 2304.0;
    QTest::newRow("all on one spot") << row(5, 5, {0, 0}) << 2304.0;
    QTest::newRow("each half over the last") << row(0, 0, {24, 0}) << 48.0 * 192;
    Arrangement halves = row(0, 0, {0, 0});
    halves[2] = half(0, 0, true);
    halves[5] = half(0, 0, false);
    QTest::newRow("two halves under squares") << halves << 2304.0;
    halves[0] = halves[1] = halves[3] = halves[4] = halves[6] = half(0, 0, true);
    QTest::newRow("two halves of a square") << halves << 2304.0;
    // Three squares over each other's corners (3 x 2304 - 384 - 504 - 504 + 144) and four
    // further off.
    Arrangement corners = row(200, 200, {60, 0});
    corners[0] = square(0, 0);
    corners[1] = square(40, 0);
    corners[2] = square(20, 30);
    QTest::newRow("corners over each other") << corners << 5664.0 + 4 * 2304;
    QTest::newRow("a figure") << arrangementOf(Fixtures::figuresWithOtherSolutions()[1].figure, {})
                              << 192.0 * 96;
}

void TestSilhouette::areaIsExact() {
    QFETCH(Arrangement, pieces);
    QFETCH(double, area);
    QVERIFY2(qAbs(Silhouette::area(pieces) - area) < 1e-6,
             qPrintable(QString::number(Silhouette::area(pieces))));
}

// Another way to build a figure, placed elsewhere, differs from it by nothing once moved back.
void TestSilhouette::otherBuildsLineUpExactly() {
    for (const Fixtures::ManyWays& m : Fixtures::figuresWithOtherSolutions()) {
        const Arrangement figure = arrangementOf(m.figure, {});
        for (const QByteArray& other : m.others) {
            const Silhouette::Comparison c =
                Silhouette::compare(figure, arrangementOf(other, {70, -30}));
            QCOMPARE(c.difference, 0.0);
            QCOMPARE(c.excess, 0.0);
            QCOMPARE(c.shift, QPoint(-70, 30));
        }
    }
}

QTEST_APPLESS_MAIN(TestSilhouette)
#include "tst_silhouette.moc"
