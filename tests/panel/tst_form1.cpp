#include "support/panelsession.h"

#include "platform/bevelbox.h"
#include "platform/surfacewidget.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

// The panel driven by clicks on its real buttons and menu items.
class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void buttonsStandInTheirGroups_data();
    void buttonsStandInTheirGroups();
    void buttonsActOnTheirToolTip();
    void keyboardGoesBackToTheMainWindow_data();
    void keyboardGoesBackToTheMainWindow();
    void levelButtonsShowTheChosenLevel();
    void soundTwiceIsOffAndRaisedAgain();
    void navigation_data();
    void navigation();
    void randomOnOneFigureIsFigureOne();
    void navigationForgetsTheCopy();
    void solvedLockSurvivesNavigationUntilTheLevelChanges();
    void shapeButtonsCallTheirCommands();
    void menuItemsCallTheirCommands_data();
    void menuItemsCallTheirCommands();
    void rightReleaseOnTheTargetOpensViewAll();

private:
    // Moves every piece away from home so that a reset shows.
    void scatterPieces();
    bool piecesAtHome() const;

    std::unique_ptr<PanelSession> s;
};

void TestForm1::init() {
    s = std::make_unique<PanelSession>();
    s->t.p.CurrentFigure = 1;
}

void TestForm1::scatterPieces() {
    for (double& x : s->t.p.PieceX)
        x += 5;
}

bool TestForm1::piecesAtHome() const {
    return s->t.p.PieceX == s->t.p.HomeX && s->t.p.PieceY == s->t.p.HomeY;
}

void TestForm1::buttonsStandInTheirGroups_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QList<int>>("indices"); // from left to right, 33 pixels apart
    QTest::addColumn<QStringList>("toolTips");
    QTest::newRow("Shape") << "Shape" << QList<int>{2, 3, 4, 5}
                           << QStringList{"Remove existing Pelorin", "Append existing Pelorin",
                                          "Reset", "Copy"};
    QTest::newRow("Play difficulty") << "Play difficulty" << QList<int>{14, 15, 16}
                                     << QStringList{"Normal", "Easy", "Very easy"};
    QTest::newRow("Select") << "Select" << QList<int>{6, 7, 8, 9, 10, 0}
                            << QStringList{"First", "Left", "Right", "Last", "Random", "View All"};
    QTest::newRow("Sound") << "Sound" << QList<int>{11} << QStringList{"Sound"};
}

void TestForm1::buttonsStandInTheirGroups() {
    QFETCH(QString, group);
    QFETCH(QList<int>, indices);
    QFETCH(QStringList, toolTips);
    for (qsizetype k = 0; k < indices.size(); ++k) {
        const Bevelbox* b = s->panel->MenuButx[static_cast<std::size_t>(indices[k])];
        QCOMPARE(b->index(), indices[k]);
        QCOMPARE(b->toolTip(), toolTips[k]);
        QCOMPARE(b->accessibleName(), toolTips[k]);
        QVERIFY(!b->ShownPressed());
        const auto* frame = qobject_cast<const QGroupBox*>(b->parentWidget());
        QCOMPARE(frame->title(), group);
        QCOMPARE(b->geometry(), QRect(6 + 33 * int(k), 16, 33, 30));
        QVERIFY(frame->rect().contains(b->geometry()));
    }
}

// The same button does what its tool tip says, and nothing for a text that is no action.
void TestForm1::buttonsActOnTheirToolTip() {
    Bevelbox* first = s->panel->MenuButx[6];
    first->setToolTip("Last");
    s->click(6);
    QCOMPARE(s->t.p.CurrentFigure, 3);
    first->setToolTip("last");
    s->click(6);
    first->setToolTip("Right");
    s->click(6);
    QCOMPARE(s->t.p.CurrentFigure, 3);
    QCOMPARE(s->panel->MenuButx[1], nullptr);
    s->panel->MenuButx_Click(1); // an unused index does nothing
    s->panel->MenuButx_Click(99);
    QCOMPARE(s->t.p.CurrentFigure, 3);
}

void TestForm1::keyboardGoesBackToTheMainWindow_data() {
    QTest::addColumn<int>("index");
    const std::pair<int, const char*> buttons[] = {
        {0, "View All"}, {2, "Remove"},  {3, "Append"}, {4, "Reset"},     {5, "Copy"},
        {6, "First"},    {7, "Left"},    {8, "Right"},  {9, "Last"},      {10, "Random"},
        {11, "Sound"},   {14, "Normal"}, {15, "Easy"},  {16, "Very easy"}};
    for (const auto& [index, name] : buttons)
        QTest::newRow(name) << index;
}

void TestForm1::keyboardGoesBackToTheMainWindow() {
    QFETCH(int, index);
    QWidget viewAll; // View All opens a modeless window that must not keep the keyboard
    s->panel->commands.viewAll = [&] {
        viewAll.show();
        viewAll.activateWindow();
    };
    QVERIFY(s->showWithPanelActive());
    s->click(index);
    QTRY_COMPARE(QApplication::activeWindow(), s->main.get());
    QVERIFY(s->main->isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == s->main.get());
}

// The buttons show the chosen level even when it was already current.
void TestForm1::levelButtonsShowTheChosenLevel() {
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
    QCOMPARE(s->main->PStandard->text(), QString("Play difficulty: NORMAL"));
    s->click(15);
    QCOMPARE(s->main->PStandard->text(), QString("Play difficulty: EASY"));
}

void TestForm1::soundTwiceIsOffAndRaisedAgain() {
    const Bevelbox* sound = s->panel->MenuButx[11];
    s->click(11);
    QCOMPARE(s->t.p.SoundOn, std::int16_t(1));
    QVERIFY(sound->ShownPressed());
    s->click(4); // a cue now plays
    QCOMPARE(s->t.sound.commands, QStringList{s->cue("whoosh1")});
    s->click(11);
    QCOMPARE(s->t.p.SoundOn, std::int16_t(0));
    QVERIFY(!sound->ShownPressed());
    s->click(4);
    QCOMPARE(s->t.sound.commands.size(), 1);
}

void TestForm1::navigation_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("to"); // 0: nothing at all happens
    QTest::newRow("left on the first") << 1 << 7 << 0;
    QTest::newRow("right on the last") << 3 << 8 << 0;
    QTest::newRow("left") << 2 << 7 << 1;
    QTest::newRow("right") << 2 << 8 << 3;
    QTest::newRow("first on the first") << 1 << 6 << 1;
    QTest::newRow("first") << 3 << 6 << 1;
    QTest::newRow("last on the last") << 3 << 9 << 3;
    QTest::newRow("last") << 1 << 9 << 3;
}

void TestForm1::navigation() {
    QFETCH(int, from);
    QFETCH(int, button);
    QFETCH(int, to);
    s->t.p.CurrentFigure = from;
    s->t.p.SoundOn = 1;
    scatterPieces();
    s->click(button);
    if (to == 0) {
        QCOMPARE(s->t.p.CurrentFigure, from);
        QVERIFY(!piecesAtHome());
        QVERIFY(s->t.sound.commands.isEmpty());
        return;
    }
    QCOMPARE(s->t.p.CurrentFigure, to);
    QCOMPARE(s->panel->TarPel->title(), QString("Pelorin (%1 of 3)").arg(to));
    QVERIFY(piecesAtHome());
    QCOMPARE(s->t.sound.commands, QStringList{s->cue("whoosh1")});
}

void TestForm1::randomOnOneFigureIsFigureOne() {
    PanelSession one(1);
    for (int i = 0; i < 20; ++i) {
        one.t.p.PieceX[0] += 1;
        one.click(10);
        QCOMPARE(one.t.p.CurrentFigure, 1);
        QCOMPARE(one.t.p.PieceX[0], one.t.p.HomeX[0]); // the puzzle restarts
    }
}

void TestForm1::navigationForgetsTheCopy() {
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

void TestForm1::solvedLockSurvivesNavigationUntilTheLevelChanges() {
    s->t.game.board.setEnabled(false); // as a solved figure leaves it
    QVERIFY(!s->main->Picture1->isEnabled());
    for (int button : {8, 7, 6, 9, 10, 4}) {
        s->click(button);
        QVERIFY(!s->main->Picture1->isEnabled());
    }
    s->click(14); // the current level changes nothing
    QVERIFY(!s->main->Picture1->isEnabled());
    s->click(16);
    QVERIFY(s->main->Picture1->isEnabled());
}

void TestForm1::shapeButtonsCallTheirCommands() {
    QStringList calls;
    Form1::Commands& c = s->panel->commands;
    c.remove = [&] { calls << "remove"; };
    c.append = [&] { calls << "append after " + s->t.sound.commands.join(','); };
    c.viewAll = [&] { calls << "view all"; };
    s->t.p.SoundOn = 1;
    s->click(2);
    s->click(3);
    s->click(0);
    QCOMPARE(calls, (QStringList{"remove", "append after " + s->cue("click2"), "view all"}));
    scatterPieces();
    s->click(4);
    QVERIFY(piecesAtHome());
    QCOMPARE(s->t.sound.commands.last(), s->cue("whoosh1"));
}

void TestForm1::menuItemsCallTheirCommands_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("click"); // "click2" plays before the command
    QTest::newRow("print") << "px"
                           << "Print" << false;
    QTest::newRow("save as") << "Saveasx"
                             << "Save as" << true;
    QTest::newRow("open") << "Openx"
                          << "Open" << true;
    QTest::newRow("help") << "Helpx"
                          << "Help" << true;
    QTest::newRow("about") << "Aboutx"
                           << "About" << true;
    QTest::newRow("exit") << "Exitx"
                          << "Exit" << false;
}

void TestForm1::menuItemsCallTheirCommands() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(bool, click);
    QStringList calls;
    Form1::Commands& c = s->panel->commands;
    const QList<std::pair<std::function<void()>*, QString>> hooks{
        {&c.print, "px"},   {&c.saveAs, "Saveasx"}, {&c.open, "Openx"},
        {&c.help, "Helpx"}, {&c.about, "Aboutx"},   {&c.exit, "Exitx"}};
    for (const auto& [hook, name] : hooks)
        *hook = [&calls, name, this] { calls << name + s->t.sound.commands.join(','); };
    s->t.p.SoundOn = 1;
    const QList<QAction*> actions = s->panel->pelsx->actions();
    QCOMPARE(s->panel->pelsx->title(), QString("Zederoru"));
    QCOMPARE(actions.size(), 7);
    QVERIFY(actions[5]->isSeparator());
    auto* action = s->panel->findChild<QAction*>(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    action->trigger();
    QCOMPARE(calls, QStringList{item + (click ? s->cue("click2") : QString())});
}

void TestForm1::rightReleaseOnTheTargetOpensViewAll() {
    int opened = 0;
    s->panel->commands.targetRightClick = [&] { ++opened; };
    QTest::mouseClick(s->panel->TargetPel, Qt::LeftButton);
    QTest::mouseClick(s->panel->TargetPel, Qt::MiddleButton);
    QCOMPARE(opened, 0);
    QTest::mouseClick(s->panel->TargetPel, Qt::RightButton);
    QCOMPARE(opened, 1);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
