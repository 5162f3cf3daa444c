// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "app/startup.h"
#include "collection/removing.h"
#include "play/completion.h"

#include <QTest>

using namespace Fixtures;
using Figures = QList<int>;

namespace {

// Runs of the game one after another, or side by side, on one program folder and one marks
// file, as one player's are. The collection holds five different figures.
struct Runs {
    QTemporaryDir folder;
    FakeMessageBoxes messages; // every question answered with its first button
    RecordingSound sound;

    Runs() {
        writeFile(folder.filePath("PELORIN.pel"), collection(syntheticHeader(), numbered(5)));
    }

    QString marks() const { return folder.filePath("data/solved-figures.txt"); }

    std::unique_ptr<Game> start() {
        auto game = std::make_unique<Game>(messages, sound, 15, 15);
        game->pelorin.Solved.setFile(marks());
        if (!StartUp(game->pelorin, folder.path()))
            qFatal("the game did not start");
        return game;
    }
};

// Each figure solved as every way of completing it ends: the success sequence.
void solve(PELORIN1& p, const Figures& figures) {
    for (int f : figures) {
        p.CurrentFigure = f;
        CelebrateFigure(p);
    }
}

Figures solvedIn(const PELORIN1& p) {
    Figures solved;
    for (int f = 1; f <= p.FigureCount; ++f)
        if (p.FigureSolved(f))
            solved.append(f);
    return solved;
}

} // namespace

class TestSolvedFigures : public QObject {
    Q_OBJECT
private slots:
    void marksFollowTheirFigures_data() {
        QTest::addColumn<Figures>("solved");
        QTest::addColumn<int>("removed"); // 0: none
        QTest::addColumn<Figures>("marked");
        QTest::newRow("kept over a restart") << Figures{2, 4} << 0 << Figures{2, 4};
        QTest::newRow("a figure before removed") << Figures{3, 5} << 2 << Figures{2, 4};
        QTest::newRow("the figure removed") << Figures{2} << 2 << Figures{};
        QTest::newRow("a figure after removed") << Figures{2} << 4 << Figures{2};
    }

    void marksFollowTheirFigures() {
        QFETCH(Figures, solved);
        QFETCH(int, removed);
        QFETCH(Figures, marked);
        Runs runs;
        {
            auto game = runs.start();
            PELORIN1& p = game->pelorin;
            solve(p, solved);
            if (removed != 0) {
                p.CurrentFigure = removed;
                RemoveFigure(p);
                QCOMPARE(p.FigureCount, 4);
            }
            QCOMPARE(solvedIn(p), marked);
        }
        QCOMPARE(solvedIn(runs.start()->pelorin), marked);
    }

    // Whatever lies where the marks are kept, the game starts, plays and completes figures;
    // a file it can replace gets the new mark, and a mark that cannot be written holds for
    // the run.
    void unusableMarksFileOnlyLosesMarks_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Figures>("read");    // marks read at the start after the damage
        QTest::addColumn<Figures>("written"); // marks the next start finds
        QTest::newRow("damaged lines") << "damaged" << Figures{2} << Figures{2, 3};
        QTest::newRow("binary garbage") << "garbage" << Figures{} << Figures{3};
        QTest::newRow("huge") << "huge" << Figures{} << Figures{3};
        QTest::newRow("folder") << "folder" << Figures{} << Figures{};
        QTest::newRow("pipe") << "pipe" << Figures{} << Figures{};
        QTest::newRow("device") << "device" << Figures{} << Figures{};
    }

    void unusableMarksFileOnlyLosesMarks() {
        QFETCH(QString, kind);
        QFETCH(Figures, read);
        QFETCH(Figures, written);
        Runs runs;
        solve(runs.start()->pelorin, {2});
        // The heading, the collection and the key of figure 2, each on its own line.
        const QList<QByteArray> lines = readFile(runs.marks()).split('\n');
        if (kind == "damaged") {
            writeFile(runs.marks(), "\x01junk\r\n" + lines[1] + "\r\n0123\r\n" + lines[2] +
                                        "\r\ncollection \n" + lines[2] + '\n' + lines[2].left(15));
        } else if (kind == "garbage") {
            writeFile(runs.marks(), QByteArray("\0\xff\xfe collection /\n\0", 17).repeated(50));
        } else {
            putNoCollection(runs.marks(), kind);
        }

        auto game = runs.start();
        PELORIN1& p = game->pelorin;
        QCOMPARE(solvedIn(p), read);
        solve(p, {3});
        QCOMPARE(p.CurrentFigure, 4);
        QVERIFY(p.FigureSolved(3));
        QCOMPARE(runs.messages.shown.size(), 2); // the two congratulations, nothing else
        game.reset();
        QCOMPARE(solvedIn(runs.start()->pelorin), written);
    }

    // The second game read the file before the first one wrote its mark.
    void twoGamesKeepEachOthersMarks() {
        Runs runs;
        auto first = runs.start();
        auto second = runs.start();
        solve(first->pelorin, {1});
        solve(second->pelorin, {4});
        solve(first->pelorin, {5});
        QCOMPARE(solvedIn(runs.start()->pelorin), (Figures{1, 4, 5}));
    }

    // A copy of the collection elsewhere is another collection, with marks of its own.
    void marksBelongToTheirCollection() {
        Runs runs;
        auto game = runs.start();
        PELORIN1& p = game->pelorin;
        solve(p, {2});
        const QString copy = runs.folder.filePath("copy.pel");
        QVERIFY(QFile::copy(p.FigureFilePath, copy));
        p.FigureFilePath = copy;
        QCOMPARE(solvedIn(p), Figures{});
        p.FigureFilePath = runs.folder.filePath("./data/../PELORIN.pel");
        QCOMPARE(solvedIn(p), Figures{2});
    }

    void randomPrefersFiguresNotSolved_data() {
        QTest::addColumn<Figures>("solved");
        QTest::addColumn<Figures>("drawn"); // every figure Random chose over many draws
        QTest::newRow("none solved") << Figures{} << Figures{1, 2, 3, 4, 5};
        QTest::newRow("one left") << Figures{1, 2, 4, 5} << Figures{3};
        QTest::newRow("two left") << Figures{1, 3, 4} << Figures{2, 5};
        QTest::newRow("all solved") << Figures{1, 2, 3, 4, 5} << Figures{1, 2, 3, 4, 5};
    }

    void randomPrefersFiguresNotSolved() {
        QFETCH(Figures, solved);
        QFETCH(Figures, drawn);
        Runs runs;
        auto game = runs.start();
        PELORIN1& p = game->pelorin;
        solve(p, solved);
        QSet<int> chosen;
        for (unsigned seed = 0; seed < 200; ++seed) {
            p.Randomize(seed);
            chosen.insert(p.RandomFigure());
        }
        QCOMPARE(chosen, QSet<int>(drawn.begin(), drawn.end()));
    }
};

QTEST_MAIN(TestSolvedFigures)
#include "tst_solvedfigures.moc"
