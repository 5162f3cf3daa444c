// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "puzzle/figurefile.h"

#include <QTest>

using namespace Fixtures;
using Result = PELORIN1::LoadResult;

class TestFigureFile : public QObject {
    Q_OBJECT
private slots:
    void init() { t = std::make_unique<TestGame>(); }
    void pieceSetReadsUnitsAndShifts();
    void figuresAreRelativeToTheirReferenceCorner();
    void onlyWellFormedPositiveRecordsCount();
    void fiveHundredFiguresAtMost();
    void badHeadersAreRefused_data();
    void badHeadersAreRefused();
    void recordsWriteAsTheyRead();

private:
    void use(const QByteArray& data) {
        writeFile(t->path("c.pel"), data);
        t->p.FigureFilePath = t->path("c.pel");
    }
    Result load(const QList<QByteArray>& records) {
        use(collection(syntheticHeader(), records));
        return t->p.LoadFigures();
    }
    std::unique_ptr<TestGame> t;
};

void TestFigureFile::pieceSetReadsUnitsAndShifts() {
    QByteArray header = syntheticHeader();
    // Piece 6, orientation 3: a diagonal record whose turn shifts stay in 24-pixel units and
    // round down, also below zero.
    header.replace("63,-1,2,2,0,0,1,0,2,1,1,2,0,1,1,0,0,0",
                   "63,-1,2.5,2,0,0,1,0,2,1,1,2,0,1,1,0,0.5,-0.5625");
    use(collection(header, {}));
    QCOMPARE(t->p.LoadPieceSet(), Result::Ok);
    QCOMPARE(t->p.HomeX[0], 24 * -3.0 + 100);
    QCOMPARE(t->p.HomeY[4], 24 * 1.0 + 100);
    QCOMPARE(t->p.PieceOrient[2], 1);
    QCOMPARE(t->p.ExtentX[6][3], 85.0); // Int(34 * 2.5)
    QCOMPARE(t->p.Shape[6][3][3], std::int16_t(68));
    QCOMPARE(t->p.Shape[6][0][3], std::int16_t(48));
    QCOMPARE(t->p.RotDX[6][3], 12.0);
    QCOMPARE(t->p.RotDY[6][3], -14.0); // Int(-13.5)
}

void TestFigureFile::figuresAreRelativeToTheirReferenceCorner() {
    Placement half = spread(0, 0);
    half[3] = {0, 144, 52};
    half[6] = {0, 96, 49};
    // y0 = -0.5: 52.5 and 49.5 round to even, 52 and 50.
    QCOMPARE(load({record(1, 60, 70, spread(60, 70)), record(2, 160, 33, spread(160, 33)),
                   "3,0,-0.5" + record(3, 0, 0, half).mid(5)}),
             Result::Ok);
    QCOMPARE(t->p.FigureCount, 3);
    QCOMPARE(t->p.FigX[1], t->p.FigX[2]);
    QCOMPARE(t->p.FigY[1], t->p.FigY[2]);
    QCOMPARE(t->p.FigX[1][5], 48.0);
    QCOMPARE(t->p.FigY[1][5], std::int16_t(48));
    QCOMPARE(t->p.FigY[3][3], std::int16_t(52));
    QCOMPARE(t->p.FigY[3][6], std::int16_t(50));
}

void TestFigureFile::onlyWellFormedPositiveRecordsCount() {
    Placement turned = spread(10, 10);
    turned[0][0] = 5;
    Placement badOrient = spread(10, 10);
    badOrient[2][0] = 8;
    const QByteArray good = record(7, 10, 10, spread(10, 10));
    QCOMPARE(load({good, record(0, 10, 10, spread(10, 10)), record(-2, 10, 10, spread(10, 10)), "",
                   "1,2,3", record(4, 10, 10, badOrient), QByteArray(good).replace("7,10", "7,ten"),
                   record(3, 10, 10, turned), record(9, 10, 10, spread(10, 10)) + ",99", "   "}),
             Result::Ok);
    QCOMPARE(t->p.FigureCount, 3);
    QCOMPARE(t->p.FigOrient[2][0], 5);
    QCOMPARE(t->p.FigOrient[3][0], 0);
}

void TestFigureFile::fiveHundredFiguresAtMost() {
    QList<QByteArray> records = numbered(500);
    QCOMPARE(load(records), Result::Ok);
    QCOMPARE(t->p.FigureCount, 500);
    QVERIFY(t->messages.shown.isEmpty());

    records.insert(3, record(0, 10, 10, spread(10, 10))); // skipped, does not count
    records.append(record(501, 20, 20, spread(20, 20)));
    QCOMPARE(load(records), Result::TooMany);
    QCOMPARE(t->messages.texts(), QStringList{"Cannot handle more than 500 Zederoru"});
    QCOMPARE(t->p.FigureCount, 500); // the table is left as it was
}

void TestFigureFile::badHeadersAreRefused_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray header = syntheticHeader();
    QTest::newRow("63 lines") << FigureFile::splitLines(header).mid(0, 63).join("\r\n") + "\r\n";
    QTest::newRow("word in a shape") << QByteArray(header).replace("42,1,2,2", "42,1,two,2");
    QTest::newRow("word in a home") << QByteArray(header).replace("-3,-3", "x,-3");
    QTest::newRow("huge outline") << QByteArray(header).replace("0,0,2,0,2,2,0,2,0,0,0,0\r\n7",
                                                                "0,0,2e9,0,2,2,0,2,0,0,0,0\r\n7");
    QTest::newRow("binary") << QByteArray(200, '\0');
}

void TestFigureFile::badHeadersAreRefused() {
    QFETCH(QByteArray, data);
    use(data);
    QString why;
    QCOMPARE(t->p.LoadPieceSet(&why), Result::BadHeader);
    QVERIFY(!why.isEmpty());
}

void TestFigureFile::recordsWriteAsTheyRead() {
    std::array<std::int32_t, 24> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = static_cast<std::int32_t>(i % 3 == 0 ? i / 3 % 8 : 100 + i);
    const QByteArray line = FigureFile::formatRecord(fields);
    QVERIFY(!line.contains(' '));
    const auto back = FigureFile::parseRecord(line);
    QVERIFY(back);
    for (std::size_t i = 0; i < fields.size(); ++i)
        QCOMPARE((*back)[i], double(fields[i]));
}

QTEST_MAIN(TestFigureFile)
#include "tst_figurefile.moc"
