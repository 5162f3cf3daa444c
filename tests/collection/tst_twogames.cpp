// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "puzzle/figurefile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTest>

using namespace Fixtures;

// Two games on one folder, each appending and removing its own figures in the same
// collection at once: every change a game reports as done is in the file, nothing else is.
class TestTwoGames : public QObject {
    Q_OBJECT
private slots:
    void appendsAndRemovesAtOnceLoseNothing();
};

namespace {

// The figure ids in the collection, as collectiondriver draws them.
QList<int> idsIn(const QByteArray& data) {
    FigureFile::ReadError error = FigureFile::ReadError::None;
    QList<int> ids;
    for (const FigureFile::Record& r : FigureFile::readFigures(data, &error).records)
        ids.append(static_cast<int>(r[22] - r[4] - 96 + 20 * (r[23] - r[5] - 48)));
    return ids;
}

} // namespace

void TestTwoGames::appendsAndRemovesAtOnceLoseNothing() {
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("PELORIN.pel")), collection(syntheticHeader(), {}));
    constexpr int Operations = 200;
    QElapsedTimer clock;
    clock.start();
    std::array<QProcess, 2> games;
    for (std::size_t g = 0; g < games.size(); ++g)
        games[g].start(QStringLiteral(COLLECTION_DRIVER),
                       {folder.path(), QString::number(g), QString::number(Operations)});
    QSet<int> expected;
    QMap<QByteArray, int> counts; // "A done", "R refused", ...
    for (QProcess& game : games) {
        QVERIFY(game.waitForFinished(100000));
        QCOMPARE(game.exitCode(), 0);
        const QList<QByteArray> lines = game.readAllStandardOutput().split('\n');
        QCOMPARE(lines.size(), Operations + 1);
        for (const QByteArray& line : lines.mid(0, Operations)) {
            const QList<QByteArray> word = line.split(' ');
            const bool done = word.at(2) == "done";
            counts[word.at(0) + ' ' + word.at(2)] += 1;
            if (done && word.at(0) == "A")
                expected.insert(word.at(1).toInt());
            if (done && word.at(0) == "R")
                QVERIFY(expected.remove(word.at(1).toInt()));
            QVERIFY2(!line.endsWith("lost"), line.constData());
        }
    }
    const QList<int> ids = idsIn(readFile(folder.filePath(QStringLiteral("PELORIN.pel"))));
    QCOMPARE(ids.size(), expected.size());
    QCOMPARE(QSet<int>(ids.begin(), ids.end()), expected);
    qInfo("%d operations in %lld ms: appends %d done, %d refused; removals %d done, %d "
          "refused; %lld figures left",
          2 * Operations, clock.elapsed(), counts.value("A done"), counts.value("A refused"),
          counts.value("R done"), counts.value("R refused"), static_cast<long long>(ids.size()));
}

QTEST_MAIN(TestTwoGames)
#include "tst_twogames.moc"
