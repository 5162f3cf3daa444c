// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "panel/navigation.h"
#include "panel/playlevel.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace Fixtures;

// The play levels and figure navigation on the puzzle state, without windows. At home the
// synthetic pieces 0, 3, 4, 5 and 6 are turned as the figures want them, 1 and 2 are not.
class TestPlayLevel : public QObject {
    Q_OBJECT
private slots:
    void init() {
        t = std::make_unique<TestGame>();
        QVERIFY(t->start(collection(syntheticHeader(), {record(1, 10, 10, spread(10, 10)),
                                                        record(2, 10, 10, spread(10, 10))})));
        t->p.CurrentFigure = 1;
        t->p.ShowFigure();
        t->p.SoundOn = 1;
    }

    void levelChanges_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("cue"); // empty: nothing at all happens
        QTest::addColumn<bool>("targetRedrawn");
        QTest::addColumn<QString>("text");
        QTest::newRow("normal to normal") << 3 << 3 << "" << false << "NORMAL";
        QTest::newRow("easy to easy") << 2 << 2 << "" << false << "EASY";
        QTest::newRow("very easy to very easy") << 1 << 1 << "" << false << "VERY EASY";
        QTest::newRow("normal to easy") << 3 << 2 << "click2" << false << "EASY";
        QTest::newRow("easy to normal") << 2 << 3 << "click2" << false << "NORMAL";
        QTest::newRow("normal to very easy") << 3 << 1 << "GiveUp" << true << "VERY EASY";
        QTest::newRow("easy to very easy") << 2 << 1 << "GiveUp" << true << "VERY EASY";
        QTest::newRow("very easy to normal") << 1 << 3 << "click2" << true << "NORMAL";
        QTest::newRow("very easy to easy") << 1 << 2 << "click2" << true << "EASY";
    }

    void levelChanges() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, cue);
        QFETCH(bool, targetRedrawn);
        QFETCH(QString, text);
        setLevel(from);
        t->sound.commands.clear();
        t->game.board.setEnabled(false);
        QSignalSpy target(&t->game.targetView, &Surface::refreshed);
        QSignalSpy board(&t->game.board, &Surface::refreshed);
        setLevel(to);
        QCOMPARE(t->p.LevelText(), "Play difficulty: " + text);
        QCOMPARE(target.size() > 0, targetRedrawn);
        const bool changed = !cue.isEmpty();
        QCOMPARE(t->sound.commands,
                 changed ? QStringList{"play " + t->p.AppDir + cue + ".wav"} : QStringList{});
        QCOMPARE(board.size() > 0, changed);
        QCOMPARE(t->game.board.Enabled(), changed);
    }

    // How each level draws is the rendering tests' business; here each change must redraw.
    void levelChangesRedrawTargetAndPieces() {
        const QSet<ColourValue> silhouette{t->p.SilhouetteColour};
        Easy_Play(t->p);
        QCOMPARE(boardFill(5), QBColor(3));
        QCOMPARE(boardFill(1), t->p.SilhouetteColour);
        VeryEasy_Play(t->p);
        QCOMPARE(targetColours().size(), 7); // the seven piece colours
        QCOMPARE(boardFill(1), QBColor(t->p.PieceColour[1]));
        Easy_Play(t->p); // the marks show at once, without the solution colours
        QCOMPARE(targetColours(), silhouette);
        QCOMPARE(boardFill(5), QBColor(3));
        QCOMPARE(boardFill(1), t->p.SilhouetteColour);
        Normal_Play(t->p);
        QCOMPARE(boardFill(5), t->p.SilhouetteColour);
    }

    void easyOnACoveredFigureShowsTheSolutionAndUnlocks() {
        for (std::size_t i = 0; i < 7; ++i) {
            t->p.PieceX[i] = 50 + t->p.FigX[1][i];
            t->p.PieceY[i] = 50 + t->p.FigY[1][i];
            t->p.PieceOrient[i] = 0;
        }
        Easy_Play(t->p);
        QCOMPARE(t->p.Covered, std::int16_t(1));
        QVERIFY(t->game.board.Enabled());
    }

    void randomStaysInTheCollection() {
        QSet<int> seen;
        for (int i = 0; i < 200 && seen.size() < 2; ++i) {
            StepToFigure(t->p, FigureStep::Random);
            QVERIFY(t->p.HasFigure(t->p.CurrentFigure));
            seen.insert(t->p.CurrentFigure);
            QTest::qWait(3); // the generator is seeded from the time of day
        }
        QCOMPARE(seen, (QSet<int>{1, 2}));
    }

private:
    void setLevel(int level) {
        const std::array<void (*)(PELORIN1&), 3> levels{VeryEasy_Play, Easy_Play, Normal_Play};
        levels[std::size_t(level - 1)](t->p);
    }

    // The fill colour of piece i on the board, read at the middle of its outline.
    ColourValue boardFill(int i) const {
        const auto n = static_cast<std::size_t>(i);
        const auto points = t->p.Outline(i, t->p.PieceOrient[n], t->p.BoardLeft + t->p.PieceX[n],
                                         t->p.BoardTop + t->p.PieceY[n]);
        QPoint sum;
        for (std::size_t k = 0; k < 4; ++k)
            sum += points[k];
        return t->game.board.Point(sum.x() / 4, sum.y() / 4);
    }

    QSet<ColourValue> targetColours() const {
        QSet<ColourValue> colours;
        const Surface& view = t->game.targetView;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x)
                colours.insert(view.Point(x, y));
        colours.remove(view.BackColor());
        return colours;
    }

    std::unique_ptr<TestGame> t;
};

QTEST_MAIN(TestPlayLevel)
#include "tst_playlevel.moc"
