// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"
#include "support/writerproperties.h"

#include "collection/collectionfile.h"
#include "collection/defaultpieceset.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Fixtures;

namespace {

QByteArray records(int count, const QByteArray& lineEnd) {
    return numbered(count).join(lineEnd) + lineEnd;
}

QByteArray withFigures(const QByteArray& lineEnd, int blankEvery) {
    return reformattedCollection(lineEnd, blankEvery,
                                 "Zederoru figures" + lineEnd + records(3, lineEnd));
}

// The default piece set with the header's line ends, blanks and line breaks chosen at
// random, and a random tail of figures, records the loader skips and odd lines.
QByteArray randomCollection(QRandomGenerator& random) {
    static const QList<QByteArray> ends{"\r\n", "\n", "\r", "\r\r\n", "\n\r", "\r\n\r\n"};
    auto pick = [&](const QList<QByteArray>& from) { return from.at(random.bounded(from.size())); };
    QByteArray out;
    for (const QByteArray& line : FigureFile::splitLines(DefaultPieceSet())) {
        QByteArray text = line;
        if (random.bounded(8) == 0)
            text.replace(",", " , ");
        if (random.bounded(12) == 0)
            text.replace(",", pick(ends)); // one field per line
        out += text + pick(ends);
        if (random.bounded(16) == 0)
            out += pick(ends);
    }
    const QList<QByteArray> tails{"Zederoru figures",
                                  "\"Mine, all mine\",x",
                                  "",
                                  "  label\t",
                                  "0,0,0",
                                  "not a record",
                                  "   "};
    out += pick(tails) + pick(ends);
    const int lines = random.bounded(12);
    for (int i = 0; i < lines; ++i) {
        QByteArray line = random.bounded(3) == 0 ? pick(tails) : numbered(i + 1).last();
        if (random.bounded(4) == 0)
            line.replace(",", random.bounded(2) == 0 ? ", " : "\t,");
        if (random.bounded(4) == 0) // a number the loader skips
            line = (random.bounded(2) == 0 ? "0," : "-4,") + line.mid(line.indexOf(',') + 1);
        if (random.bounded(4) == 0)
            line += ",77,88";
        out += line + pick(ends);
    }
    if (random.bounded(4) == 0)
        out.chop(1);
    return out;
}

// The promises of Append and of Remove of figure k, for every k given that the collection
// holds.
QString brokenPromise(const QByteArray& data, const QList<int>& ks) {
    const std::optional<LoaderReading> before = readAsLoader(data);
    if (!before)
        return QStringLiteral("the loader refuses it");
    QString broken = brokenByAppend(data, *before);
    for (int k : ks)
        if (broken.isEmpty() && k >= 1 && k <= before->figures.size())
            broken = brokenByRemove(data, *before, k);
    return broken;
}

} // namespace

class TestWriterProperties : public QObject {
    Q_OBJECT
private slots:
    void lineStructures_data();
    void lineStructures();
    void randomlyReformattedCollections();
    void aPieceSetLineThatReadsAsAFigureStays();
};

void TestWriterProperties::lineStructures_data() {
    QTest::addColumn<QByteArray>("data");
    QByteArray header = DefaultPieceSet();
    QTest::newRow("CR LF") << withFigures("\r\n", 0);
    QTest::newRow("LF") << withFigures("\n", 0);
    QTest::newRow("CR") << withFigures("\r", 0);
    QTest::newRow("CR CR LF") << withFigures("\r\r\n", 0);
    QTest::newRow("LF CR") << withFigures("\n\r", 0);
    QTest::newRow("a blank line inside the header") << withFigures("\r\n", 20);
    QTest::newRow("a blank line after every header line") << withFigures("\r\n", 1);
    QTest::newRow("one header field per line")
        << QByteArray(header).replace(",", "\r\n") + "x\r\n" + records(3, "\r\n");
    QTest::newRow("header only") << header;
    QTest::newRow("header only, last line open") << header.chopped(2);
    QTest::newRow("header and label only") << header + "Zederoru figures";
    QTest::newRow("a quoted label with a comma")
        << header + "\"Mine, all mine\",x\r\n" + records(2, "\r\n");
    QTest::newRow("records with blanks and extra fields")
        << header + "label\r\n" + records(3, "\r\n").replace(",", " ,\t") + "1" +
               numbered(1).first().mid(1) + ",5,6\r\n";
    QTest::newRow("records the loader skips")
        << header + "label\r\n" + "0," + numbered(1).first().mid(2) + "\r\nnot a record\r\n\r\n" +
               records(2, "\r\n");
    QTest::newRow("last record without its line end")
        << header + "label\r\n" + records(2, "\r\n").chopped(2);
    QTest::newRow("500 figures") << header + "label\r\n" + records(500, "\r\n");
}

void TestWriterProperties::lineStructures() {
    QFETCH(QByteArray, data);
    const std::optional<LoaderReading> before = readAsLoader(data);
    QVERIFY(before);
    const auto figures = static_cast<int>(before->figures.size());
    const QString broken = brokenPromise(data, {1, figures / 2 + 1, figures});
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

void TestWriterProperties::randomlyReformattedCollections() {
    QRandomGenerator random(15);
    for (int i = 0; i < 200; ++i) {
        const QByteArray data = randomCollection(random);
        const QString broken = brokenPromise(data, {1 + int(random.bounded(12))});
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("variant %1: ").arg(i) + broken));
    }
}

void TestWriterProperties::aPieceSetLineThatReadsAsAFigureStays() {
    // Piece 0's records for orientations 1 and 2 on one line read as a figure numbered 1;
    // blank lines push that line past the label, where the loader looks for figures.
    QList<QByteArray> lines = FigureFile::splitLines(syntheticHeader());
    lines[8] = lines.at(8) + "," + lines.takeAt(9);
    for (int i = 0; i < 60; ++i)
        lines.insert(7, QByteArray());
    const QByteArray data = lines.join("\r\n") + "\r\n";
    QString why;
    QVERIFY(!CollectionFile::withoutFigure(data, 1, &why));
    QVERIFY2(why.contains(QStringLiteral("piece set")), qPrintable(why));
    const QString broken = brokenPromise(data, {1, 2});
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_MAIN(TestWriterProperties)
#include "tst_writerproperties.moc"
