// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/collectioncheck.h"
#include "collection/defaultpieceset.h"
#include "collection/figurenames.h"
#include "support/fixtures.h"

#include <QDir>
#include <QTest>

using namespace Fixtures;

// The collection shipped with the game: clean (one figure of each shape, none the turned or
// mirrored copy of another), large enough for four pages of thumbnails, and every figure
// solvable by laying the pieces where its own record puts them.
class TestDefaultCollection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void passesTheChecker();
    void everyFigureSolvesItself();
    void noSolutionCoversAnotherFigure();
    void everyShippedCollectionIsCleanAndNamed_data();
    void everyShippedCollectionIsCleanAndNamed();

private:
    // Lays the pieces on figure f's solution with its top left origin at (x, y) and runs
    // the fit check for the current figure.
    bool covers(int f, double x, double y) {
        PELORIN1& p = game_->p;
        for (std::size_t i = 0; i < 7; ++i) {
            p.PieceX[i] = x + p.FigX[f][i];
            p.PieceY[i] = y + p.FigY[f][i];
            p.PieceOrient[i] = p.FigOrient[f][i];
        }
        game_->game.board.setEnabled(true);
        p.CheckFit();
        return p.Covered == 1;
    }

    QByteArray data_;
    std::unique_ptr<TestGame> game_;
};

void TestDefaultCollection::initTestCase() {
    data_ = readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"));
    QVERIFY(!data_.isEmpty());
    game_ = std::make_unique<TestGame>();
    QVERIFY(game_->start(data_));
}

void TestDefaultCollection::passesTheChecker() {
    const CollectionCheck::Result r = CollectionCheck::checkCollection(data_);
    QVERIFY2(r.clean(), qPrintable(CollectionCheck::reportLines("PELORIN.pel", r).join('\n')));
    QVERIFY(r.figures >= 200);
    QCOMPARE(game_->p.FigureCount, r.figures);
    QVERIFY(data_.startsWith(DefaultPieceSet()));
    const QStringList names = FigureNames::read(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"));
    QCOMPARE(names.size(), r.figures);
    QVERIFY(!names.contains(QString()));
}

void TestDefaultCollection::everyFigureSolvesItself() {
    PELORIN1& p = game_->p;
    for (int f = 1; f <= p.FigureCount; ++f) {
        p.CurrentFigure = f;
        QVERIFY2(covers(f, 40, 60), qPrintable(QString::number(f)));
        QVERIFY(!game_->game.board.Enabled()); // the solution is shown and the board locked
        // Anywhere on the board, and with the congruent pieces exchanged.
        QVERIFY(covers(f, 0, 0));
        const auto exchange = [&] {
            std::swap(p.FigX[f][0], p.FigX[f][1]);
            std::swap(p.FigY[f][0], p.FigY[f][1]);
            std::swap(p.FigX[f][2], p.FigX[f][4]);
            std::swap(p.FigY[f][2], p.FigY[f][4]);
        };
        exchange();
        const bool exchanged = covers(f, 10, 10);
        exchange();
        QVERIFY2(exchanged, qPrintable(QString::number(f)));
    }
}

void TestDefaultCollection::noSolutionCoversAnotherFigure() {
    // Two figures whose pieces lie within the fit check's 15 pixels of each other would be
    // one puzzle twice: solving either would count for both.
    PELORIN1& p = game_->p;
    QStringList twins;
    for (int f = 1; f <= p.FigureCount; ++f) {
        p.CurrentFigure = f;
        for (int g = 1; g <= p.FigureCount; ++g) {
            if (g != f && covers(g, 20, 20))
                twins.append(QStringLiteral("%1 covers %2").arg(g).arg(f));
        }
    }
    QVERIFY2(twins.isEmpty(), qPrintable(twins.join(QStringLiteral(", "))));
}

void TestDefaultCollection::everyShippedCollectionIsCleanAndNamed_data() {
    QTest::addColumn<QString>("path");
    const QDir data(QStringLiteral(ZEDERORU_DATA_DIR));
    // The default collection itself is checked above, once, for the checker is slow under
    // the sanitizers.
    for (const QString& name : data.entryList({QStringLiteral("*.pel")}, QDir::Files)) {
        if (name != QLatin1String("PELORIN.pel"))
            QTest::newRow(qPrintable(name)) << data.filePath(name);
    }
}

void TestDefaultCollection::everyShippedCollectionIsCleanAndNamed() {
    QFETCH(QString, path);
    const QByteArray data = readFile(path);
    QVERIFY(data.startsWith(DefaultPieceSet()));
    const CollectionCheck::Result r = CollectionCheck::checkCollection(data);
    QVERIFY2(r.clean(), qPrintable(CollectionCheck::reportLines(path, r).join('\n')));
    const QStringList names = FigureNames::read(path);
    QCOMPARE(names.size(), r.figures);
    QVERIFY(!names.contains(QString()));
}

QTEST_APPLESS_MAIN(TestDefaultCollection)
#include "tst_defaultcollection.moc"
