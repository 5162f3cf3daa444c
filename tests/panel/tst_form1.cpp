// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/panelsession.h"

#include "platform/bevelbox.h"
#include "platform/surfacewidget.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QToolTip>

// The panel driven by clicks on its real buttons and menu items.
class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init() {
        s = std::make_unique<PanelSession>();
        s->t.p.CurrentFigure = 1;
    }

    // The same button does what its tool tip says, and nothing for a text that is no action.
    void buttonsActOnTheirToolTip() {
        Bevelbox* first = s->panel->MenuButx[6];
        first->setToolTip("Last");
        s->click(6);
        QCOMPARE(s->t.p.CurrentFigure, 3);
        first->setToolTip("last");
        s->click(6);
        first->setToolTip("Right");
        s->click(6);
        QCOMPARE(s->t.p.CurrentFigure, 3);
        s->panel->MenuButx_Click(1); // an unused index does nothing
        s->panel->MenuButx_Click(99);
        QCOMPARE(s->t.p.CurrentFigure, 3);
    }

    // After every button, menu item (but Exit) and the target's right click, whatever
    // window it opened or closed.
    void keyboardGoesBackToTheMainWindow_data() {
        QTest::addColumn<int>("index");    // the button clicked, or -1
        QTest::addColumn<QString>("item"); // else the menu item, or "target"
        const std::pair<int, const char*> buttons[] = {
            {0, "View All"}, {2, "Remove"},  {3, "Append"}, {4, "Reset"},     {5, "Copy"},
            {6, "First"},    {7, "Left"},    {8, "Right"},  {9, "Last"},      {10, "Random"},
            {11, "Sound"},   {14, "Normal"}, {15, "Easy"},  {16, "Very easy"}};
        for (const auto& [index, name] : buttons)
            QTest::newRow(name) << index << QString();
        for (const char* item : {"px", "Saveasx", "Openx", "Helpx", "Aboutx", "target"})
            QTest::newRow(item) << -1 << QString::fromLatin1(item);
    }

    void keyboardGoesBackToTheMainWindow() {
        QFETCH(int, index);
        QFETCH(QString, item);
        QWidget other; // a window the command opens and that keeps the keyboard
        Form1::Commands& c = s->panel->commands;
        for (auto* hook :
             {&c.viewAll, &c.print, &c.saveAs, &c.open, &c.help, &c.about, &c.targetRightClick})
            *hook = [&] {
                other.show();
                other.activateWindow();
            };
        QVERIFY(s->showWithPanelActive());
        if (index >= 0)
            s->click(index);
        else if (item == "target")
            QTest::mouseClick(s->panel->TargetPel, Qt::RightButton);
        else
            s->panel->findChild<QAction*>(item)->trigger();
        QTRY_COMPARE(QApplication::activeWindow(), s->main.get());
        QCOMPARE(QApplication::focusWidget(), s->main->Picture1);
    }

    // The buttons' tips are their only labels; the panel is inactive while the board plays.
    void toolTipsShowOnTheInactivePanel() {
        QVERIFY(s->showWithPanelActive());
        s->main->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), s->main.get());
        Bevelbox* reset = s->panel->MenuButx[4];
        const QPoint at(8, 6);
        QMouseEvent move(QEvent::MouseMove, at, reset->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QSpontaneKeyEvent::setSpontaneous(&move); // only the player's pointer wakes tips
        qApp->notify(reset, &move);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Reset"));
    }

    // The buttons show the chosen level even when it was already current.
    void levelButtonsShowTheChosenLevel() {
        auto pressed = [&] {
            QList<int> down;
            for (int i : {14, 15, 16})
                if (s->panel->MenuButx[std::size_t(i)]->ShownPressed())
                    down.append(i);
            return down;
        };
        QCOMPARE(pressed(), QList<int>{});
        for (int i : {14, 15, 16, 16, 14}) {
            s->click(i);
            QCOMPARE(pressed(), QList<int>{i});
        }
        s->click(15);
        QCOMPARE(s->main->PStandard->text(), QString("Play difficulty: EASY"));
    }

    void soundTwiceIsOffAndRaisedAgain() {
        const Bevelbox* sound = s->panel->MenuButx[11];
        s->click(11);
        QVERIFY(sound->ShownPressed());
        s->click(4); // a cue now plays
        QCOMPARE(s->t.sound.commands, QStringList{s->cue("whoosh1")});
        s->click(11);
        QCOMPARE(s->t.p.SoundOn, std::int16_t(0));
        QVERIFY(!sound->ShownPressed());
        s->click(4);
        QCOMPARE(s->t.sound.commands.size(), 1);
    }

    void navigation_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("to"); // 0: nothing at all happens
        QTest::newRow("left on the first") << 1 << 7 << 0;
        QTest::newRow("right on the last") << 3 << 8 << 0;
        QTest::newRow("left") << 2 << 7 << 1;
        QTest::newRow("right") << 2 << 8 << 3;
        QTest::newRow("first on the first") << 1 << 6 << 1;
        QTest::newRow("last") << 1 << 9 << 3;
    }

    void navigation() {
        QFETCH(int, from);
        QFETCH(int, button);
        QFETCH(int, to);
        s->t.p.CurrentFigure = from;
        s->t.p.SoundOn = 1;
        scatterPieces();
        s->click(button);
        QCOMPARE(s->t.p.CurrentFigure, to == 0 ? from : to);
        QCOMPARE(piecesAtHome(), to != 0);
        QCOMPARE(s->t.sound.commands, to == 0 ? QStringList{} : QStringList{s->cue("whoosh1")});
        if (to != 0)
            QCOMPARE(s->panel->TarPel->title(), QString("Pelorin (%1 of 3)").arg(to));
    }

    void randomOnOneFigureIsFigureOne() {
        PanelSession one(1);
        for (int i = 0; i < 20; ++i) {
            one.t.p.PieceX[0] += 1;
            one.click(10);
            QCOMPARE(one.t.p.CurrentFigure, 1);
            QCOMPARE(one.t.p.PieceX[0], one.t.p.HomeX[0]); // the puzzle restarts
        }
    }

    void navigationForgetsTheCopy() {
        s->click(5); // no copy operation yet: nothing is copied
        QCOMPARE(s->t.p.CopiedFlag, 0);
        int copies = 0;
        s->panel->commands.copy = [&] { ++copies; };
        for (int button : {6, 7, 8, 9, 10}) {
            s->t.p.CurrentFigure = 2;
            s->click(5);
            QCOMPARE(s->t.p.CopiedFlag, 1);
            s->click(button);
            QCOMPARE(s->t.p.CopiedFlag, 0);
        }
        QCOMPARE(copies, 5);
    }

    void solvedLockSurvivesNavigationUntilTheLevelChanges() {
        s->t.game.board.setEnabled(false);           // as a solved figure leaves it
        for (int button : {8, 7, 6, 9, 10, 4, 14}) { // 14: the current level changes nothing
            s->click(button);
            QVERIFY(!s->main->Picture1->isEnabled());
        }
        s->click(16);
        QVERIFY(s->main->Picture1->isEnabled());
    }

    void shapeButtonsCallTheirCommands() {
        QStringList calls;
        Form1::Commands& c = s->panel->commands;
        c.remove = [&] { calls << "remove"; };
        c.append = [&] { calls << "append after " + s->t.sound.commands.join(','); };
        c.viewAll = [&] { calls << "view all"; };
        s->t.p.SoundOn = 1;
        for (int button : {2, 3, 0})
            s->click(button);
        QCOMPARE(calls, (QStringList{"remove", "append after " + s->cue("click2"), "view all"}));
        scatterPieces();
        s->click(4);
        QVERIFY(piecesAtHome());
    }

    void menuItemsCallTheirCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("click"); // "click2" plays before the command
        QTest::newRow("print") << "px"
                               << "Print" << false;
        QTest::newRow("save as") << "Saveasx"
                                 << "Save as" << true;
        QTest::newRow("open") << "Openx"
                              << "Open" << true;
        QTest::newRow("hint") << "Hintx"
                              << "Hint" << false;
        QTest::newRow("help") << "Helpx"
                              << "Help" << true;
        QTest::newRow("about") << "Aboutx"
                               << "About" << true;
        QTest::newRow("exit") << "Exitx"
                              << "Exit" << false;
    }

    void menuItemsCallTheirCommands() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(bool, click);
        QStringList calls;
        Form1::Commands& c = s->panel->commands;
        for (auto [hook, name] : {std::pair{&c.print, "px"},
                                  {&c.saveAs, "Saveasx"},
                                  {&c.open, "Openx"},
                                  {&c.hint, "Hintx"},
                                  {&c.help, "Helpx"},
                                  {&c.about, "Aboutx"},
                                  {&c.exit, "Exitx"}})
            *hook = [&calls, name, this] { calls << name + s->t.sound.commands.join(','); };
        s->t.p.SoundOn = 1;
        auto* action = s->panel->findChild<QAction*>(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        action->trigger();
        QCOMPARE(calls, QStringList{item + (click ? s->cue("click2") : QString())});
    }

    void rightReleaseOnTheTargetOpensViewAll() {
        int opened = 0;
        s->panel->commands.targetRightClick = [&] { ++opened; };
        QTest::mouseClick(s->panel->TargetPel, Qt::LeftButton);
        QTest::mouseClick(s->panel->TargetPel, Qt::MiddleButton);
        QCOMPARE(opened, 0);
        QTest::mouseClick(s->panel->TargetPel, Qt::RightButton);
        QCOMPARE(opened, 1);
    }

    // On the screen only: the target picture itself stays as it was drawn.
    void solvedFigureIsTickedOnTheTarget() {
        const QImage target = s->t.game.targetView.image();
        auto ticked = [this] {
            const QImage shown = s->panel->TargetPel->grab().toImage();
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (shown.pixel(x, y) == toQRgb(TickColour))
                        return true;
            return false;
        };
        QVERIFY(!ticked());
        s->t.p.MarkSolved(s->t.p.CurrentFigure);
        QVERIFY(ticked());
        QCOMPARE(s->t.game.targetView.image(), target);
    }

private:
    // Moves every piece away from home so that a reset shows.
    void scatterPieces() {
        for (double& x : s->t.p.PieceX)
            x += 5;
    }

    bool piecesAtHome() const {
        return s->t.p.PieceX == s->t.p.HomeX && s->t.p.PieceY == s->t.p.HomeY;
    }

    std::unique_ptr<PanelSession> s;
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
