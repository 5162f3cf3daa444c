// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/collectioncheck.h"
#include "collection/defaultpieceset.h"
#include "collection/figureshape.h"
#include "support/fixtures.h"

#include <QTest>

using namespace Fixtures;
using CollectionCheck::Result;

// Crafted collections on the default piece set, each a small change to one figure: the
// lower right half of a 192-pixel square, with the square (piece 3) in its right-angled
// corner at (204, 204)-(252, 252), the parallelogram (piece 6) left of it and the small
// triangle 4 above it.
namespace {

// The first figure of the default collection.
QByteArray goodRecord(int n) {
    return QByteArray::number(n) +
           ",60,60,4,60,156,4,156,60,2,156,204,0,204,204,0,204,156,4,156,156,6,156,156";
}

// goodRecord with one field (1-based) replaced.
QByteArray withField(int field, const QByteArray& value, int n = 1) {
    QList<QByteArray> fields = goodRecord(n).split(',');
    fields[field - 1] = value;
    return fields.join(',');
}

// goodRecord with piece k's origin moved.
QByteArray moved(int k, int dx, int dy, int n = 1) {
    QList<QByteArray> fields = goodRecord(n).split(',');
    const int x = 5 + 3 * k;
    fields[x - 1] = QByteArray::number(fields[x - 1].toInt() + dx);
    fields[x] = QByteArray::number(fields[x].toInt() + dy);
    return fields.join(',');
}

// The big triangle 1 far up and right of the other six pieces, which are all piled inside
// the big triangle 0: a box of 296 x 320 pixels (the fifth outline points count) with two triangles
// in it.
QByteArray sparse() {
    return "1,60,-44,4,60,156,4,260,-44,0,108,204,0,108,204,0,108,204,0,60,204,0,84,228";
}

// Figures of the default collection as first shipped: two that are one shape turned half
// round, two that share 96% of their area, and one whose outline shows a 4-pixel step.
const QByteArray Letter =
    "116,60,60,2,60,156,0,156,156,6,60,108,0,132,60,2,108,108,4,108,108,4,156,108";
const QByteArray LetterTurned =
    "117,60,60,4,60,60,6,156,60,6,156,156,0,132,204,2,204,156,0,108,156,4,60,156";
const QByteArray Block =
    "4,60,60,4,60,60,6,156,60,6,60,156,0,108,156,4,156,156,4,108,204,4,156,156";
const QByteArray BlockAlike =
    "13,60,60,2,60,156,0,156,156,6,156,108,0,132,60,2,204,108,0,108,108,4,60,108";
const QByteArray Stepped =
    "226,60,60,5,112,108,1,112,176,7,146,142,0,156,60,3,180,142,5,214,142,0,60,60";

Result check(const QList<QByteArray>& records, const QByteArray& header = DefaultPieceSet()) {
    return CollectionCheck::checkCollection(collection(header, records));
}

QStringList texts(const Result& r) {
    QStringList out;
    for (const CollectionCheck::Finding& f : r.findings)
        out.append(QString::number(f.line) + ": " + f.text);
    return out;
}

} // namespace

class TestCollectionCheck : public QObject {
    Q_OBJECT
private slots:
    void eachFaultIsFound_data();
    void eachFaultIsFound();
    void overlapAreaIsExact();
    void contactAllowsOnePixelOfSlack_data();
    void contactAllowsOnePixelOfSlack();
    void clustersAreNamed();
    void cornerContactAsAppendingSeesIt_data();
    void cornerContactAsAppendingSeesIt();
    void holesAreMeasured_data();
    void holesAreMeasured();
    void duplicatesUpToPositionAndCongruentPairs();
    void headerChangesOnlyInReadFieldsCount();
    void shortHeaderIsNotClean();
    void reportNamesLinesAndSummarises();
    void fillingsAreCounted();
};

void TestCollectionCheck::eachFaultIsFound_data() {
    QTest::addColumn<QList<QByteArray>>("records");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("finding");
    QTest::newRow("too few fields") << QList<QByteArray>{goodRecord(1).left(20)} << 66
                                    << "malformed record: 8 fields, 24 expected";
    QTest::newRow("not a number") << QList<QByteArray>{withField(8, "7x")} << 66
                                  << "malformed record: field 8 \"7x\" is not a number";
    QTest::newRow("fraction") << QList<QByteArray>{withField(9, "12.5")} << 66
                              << "malformed record: field 9 (12.5) is not a 16-bit whole number";
    QTest::newRow("too big") << QList<QByteArray>{withField(9, "40000")} << 66
                             << "malformed record: field 9 (40000) is not a 16-bit whole number";
    QTest::newRow("orientation") << QList<QByteArray>{withField(13, "8")} << 66
                                 << "malformed record: piece 3 has orientation 8, 0 to 7 expected";
    QTest::newRow("skipped record") << QList<QByteArray>{goodRecord(1), withField(1, "0")} << 67
                                    << "record number 0 is not above 0, so the game skips it";
    QTest::newRow("isolated piece") << QList<QByteArray>{goodRecord(1), moved(3, 0, 60, 2)} << 67
                                    << "piece 3 touches no other piece";
    QTest::newRow("wider than appending allows")
        << QList<QByteArray>{moved(3, 200, 0)} << 66
        << "the figure is 392 x 192 pixels, wider or taller than the 320 appending allows";
    QTest::newRow("far too wide to measure as a silhouette")
        << QList<QByteArray>{goodRecord(1), moved(3, 30000, 30000, 2)} << 67
        << "the figure is 30192 x 30192 pixels, wider or taller than the 320 appending allows";
    QTest::newRow("larger than the target view")
        << QList<QByteArray>{moved(3, 0, 40)} << 66
        << "the figure is 192 x 232 pixels and does not fit the target view (228 x 226)";
    QTest::newRow("sparse") << QList<QByteArray>{sparse()} << 66
                            << "the figure is sparse: it covers 12% of its box, at least 20% "
                               "wanted";
    QTest::newRow("no figures") << QList<QByteArray>{} << 0 << "the collection holds no figures";
    QTest::newRow("square out of reach")
        << QList<QByteArray>{withField(13, "2")} << 66
        << "the square (piece 3) has orientation 2, which play never reaches; write 0";
    QTest::newRow("turned copy") << QList<QByteArray>{Letter, LetterTurned} << 67
                                 << "the shape of line 66 turned half round";
    QTest::newRow("nearly alike") << QList<QByteArray>{Block, BlockAlike} << 67
                                  << "nearly the shape of line 66 as it is: 96% of the area in "
                                     "common";
    QTest::newRow("step") << QList<QByteArray>{Stepped} << 66
                          << "the outline makes a step of 4.0 pixels, 16 at least wanted";
}

void TestCollectionCheck::eachFaultIsFound() {
    QFETCH(QList<QByteArray>, records);
    QFETCH(int, line);
    QFETCH(QString, finding);
    const Result r = check(records);
    QVERIFY2(texts(r).contains(QString::number(line) + ": " + finding),
             qPrintable(texts(r).join('\n')));
}

void TestCollectionCheck::overlapAreaIsExact() {
    // The square pushed 10 pixels left cuts a strip off the parallelogram's slanted band
    // (the integral of x - 156 from 194 to 204) and the tip of the small triangle 2 below it
    // (the integral of 204 - x).
    const Result r = check({moved(3, -10, 0)});
    QCOMPARE(texts(r), QStringList({"66: pieces 2 and 3 overlap by 50.0 square pixels",
                                    "66: pieces 3 and 6 overlap by 430.0 square pixels",
                                    "66: the outline makes 2 steps, the shortest of 10.0 "
                                    "pixels, 16 at least wanted"}));
}

void TestCollectionCheck::contactAllowsOnePixelOfSlack_data() {
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("clean");
    QTest::newRow("in place") << 0 << 0 << true;
    QTest::newRow("one pixel overlap") << -1 << 0 << true;
    QTest::newRow("two pixels overlap") << -2 << 0 << false;
    QTest::newRow("one pixel gap") << 1 << 1 << true;
    QTest::newRow("two pixel gap") << 2 << 2 << false;
}

void TestCollectionCheck::contactAllowsOnePixelOfSlack() {
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, clean);
    const Result r = check({moved(3, dx, dy)});
    QVERIFY2(r.clean() == clean, qPrintable(texts(r).join('\n')));
}

void TestCollectionCheck::clustersAreNamed() {
    // The square and the small triangle 4 above it moved 2 pixels down and right, away
    // from the rest.
    QList<QByteArray> fields = goodRecord(1).split(',');
    for (int k : {3, 4}) {
        for (int f = 5 + 3 * k; f <= 6 + 3 * k; ++f)
            fields[f - 1] = QByteArray::number(fields[f - 1].toInt() + 2);
    }
    const Result r = check({fields.join(',')});
    QVERIFY2(texts(r) == QStringList("66: the pieces fall apart into clusters: 0 1 2 5 6 | 3 4"),
             qPrintable(texts(r).join('\n')));
}

void TestCollectionCheck::cornerContactAsAppendingSeesIt_data() {
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("apart");
    // The square moved right by its size hangs from the corner of the small triangle 4.
    QTest::newRow("corner on corner") << 48 << 0 << false;
    QTest::newRow("a pixel off the corner") << 48 << 1 << false;
    QTest::newRow("four pixels off the corner") << 48 << 4 << true;
    QTest::newRow("beside the corner") << 52 << 0 << true;
}

void TestCollectionCheck::cornerContactAsAppendingSeesIt() {
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, apart);
    const QStringList found = texts(check({moved(3, dx, dy)}));
    QVERIFY2(found.contains("66: piece 3 touches no other piece") == apart,
             qPrintable(found.join('\n')));
}

void TestCollectionCheck::holesAreMeasured_data() {
    QTest::addColumn<int>("rightSide");
    QTest::addColumn<int>("hole");
    QTest::newRow("closed frame") << 20 << 100;
    QTest::newRow("a one-pixel seam") << 21 << 110;
    QTest::newRow("frame open on the right") << 40 << 0;
}

void TestCollectionCheck::holesAreMeasured() {
    // A 30-pixel frame round a 10-pixel hole, from four rectangles; the right one starts at
    // rightSide. The other three pieces are drawn as nothing.
    QFETCH(int, rightSide);
    QFETCH(int, hole);
    auto rectangle = [](int l, int t, int r, int b) {
        return Silhouette::Outline{QPoint(l, t), QPoint(l, b), QPoint(r, b), QPoint(r, t),
                                   QPoint(l, t)};
    };
    const Silhouette::Outline nothing{};
    const Silhouette::Arrangement frame{rectangle(0, 0, 30, 10),
                                        rectangle(0, 20, 30, 30),
                                        rectangle(0, 10, 10, 20),
                                        rectangle(rightSide, 10, rightSide + 10, 20),
                                        nothing,
                                        nothing,
                                        nothing};
    QCOMPARE(FigureShape::holeArea(frame), hole);
}

void TestCollectionCheck::duplicatesUpToPositionAndCongruentPairs() {
    // Elsewhere on the board, with its reference corner elsewhere too.
    QList<QByteArray> shifted = goodRecord(2).split(',');
    for (int f = 2; f <= 24; ++f) {
        if ((f - 4) % 3 != 0)
            shifted[f - 1] = QByteArray::number(shifted[f - 1].toInt() + 37);
    }
    // Pieces 2 and 4 exchange their places and orientations.
    QList<QByteArray> swapped = goodRecord(3).split(',');
    for (int f = 0; f < 3; ++f)
        std::swap(swapped[9 + f], swapped[15 + f]);
    // Another way to build a silhouette is the same figure to the player.
    const ManyWays rectangle = figuresWithOtherSolutions()[1];
    const Result r = check({goodRecord(1), shifted.join(','), swapped.join(','), rectangle.figure,
                            rectangle.others[1]});
    QCOMPARE(texts(r),
             QStringList({"67: the same figure as line 66", "68: the same figure as line 66",
                          "70: the same silhouette as line 69: each figure accepts the other's "
                          "solution"}));
}

void TestCollectionCheck::headerChangesOnlyInReadFieldsCount() {
    QList<QByteArray> lines = DefaultPieceSet().split('\n');
    QList<QByteArray> ignored = lines;
    ignored[9] = "99" + ignored[9].mid(1); // field 1 is read and ignored
    QVERIFY(check({goodRecord(1)}, ignored.join('\n')).clean());
    QList<QByteArray> changed = lines;
    changed[9].replace(",0,0,", ",1,0,"); // the first outline point of piece 0, orientation 2
    QVERIFY(changed[9] != lines[9]);
    const Result r = check({goodRecord(1)}, changed.join('\n'));
    QVERIFY2(texts(r).contains("10: the header differs from the default piece set"),
             qPrintable(texts(r).join('\n')));
    QVERIFY(!check({goodRecord(1)}, syntheticHeader()).clean());
}

void TestCollectionCheck::shortHeaderIsNotClean() {
    QCOMPARE(texts(CollectionCheck::checkCollection("1,2\r\n3,4\r\n")),
             QStringList("0: the header is shorter than 64 lines"));
}

void TestCollectionCheck::reportNamesLinesAndSummarises() {
    const Result r = check({goodRecord(1), goodRecord(2), withField(13, "9")});
    QCOMPARE(CollectionCheck::reportLines("my.pel", r),
             QStringList({"my.pel:67: the same figure as line 66",
                          "my.pel:68: malformed record: piece 3 has orientation 9, 0 to 7 "
                          "expected"}));
    QCOMPARE(CollectionCheck::summaryLine("my.pel", r),
             QString("my.pel: 2 figures checked, 2 problems found"));
    QCOMPARE(CollectionCheck::summaryLine("my.pel", check({goodRecord(1)})),
             QString("my.pel: 1 figure checked, no problems found"));
}

// The square of seven pieces is made in one way turned and mirrored: eight fillings; the
// large right triangle in twelve, as the fit check's own fixtures enumerate them. A figure
// with pieces off one grid is not counted, and the checker counts only when asked.
void TestCollectionCheck::fillingsAreCounted() {
    const QByteArray square =
        "195,60,60,5,60,60,3,60,60,3,162,60,1,128,94,5,94,128,3,128,128,3,60,162";
    const QByteArray data = collection(DefaultPieceSet(), {square, Stepped, goodRecord(3)});
    QVERIFY(CollectionCheck::checkCollection(data).fills.isEmpty());
    const Result r = CollectionCheck::checkCollection(data, CollectionCheck::CountFills::Yes);
    QCOMPARE(r.fills.size(), 3);
    QCOMPARE(std::tuple(r.fills[0].line, r.fills[0].ways, r.fills[0].all),
             std::tuple(66, 8L, true));
    QCOMPARE(r.fills[1].ways, -1L);
    QCOMPARE(std::tuple(r.fills[2].ways, r.fills[2].all), std::tuple(12L, true));
    QCOMPARE(CollectionCheck::fillsLine(r),
             QString("ways the pieces fill each figure: one way 0, 2 to 9 ways 1, 10 to 99 "
                     "ways 1, 100 or more 0; not counted (pieces on no one grid) 1"));
}

QTEST_APPLESS_MAIN(TestCollectionCheck)
#include "tst_collectioncheck.moc"
