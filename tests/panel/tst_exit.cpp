// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/panelsession.h"

#include "app/exitsequence.h"
#include "app/windowplacement.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

using namespace Fixtures;

// Exit from the panel's menu: the settings file and the end of the game.
class TestExit : public QObject {
    Q_OBJECT
private slots:
    void init() {
        s = std::make_unique<PanelSession>();
        s->panel->commands.exit = [this] { ExitGame(s->t.p, *s->main, *s->panel); };
    }

    void exitWritesTheSettings_data() {
        QTest::addColumn<QPoint>("panelAt"); // pixels, 15 twips each
        QTest::addColumn<QPoint>("mainAt");
        QTest::addColumn<QByteArray>("line2");
        QTest::newRow("on screen")
            << QPoint(80, 300) << QPoint(400, 20) << QByteArray(" 1200  4500  6000  300 \r\n");
        QTest::newRow("left of the screen")
            << QPoint(-10, 0) << QPoint(0, -1) << QByteArray("-150  0  0 -15 \r\n");
    }

    void exitWritesTheSettings() {
        QFETCH(QPoint, panelAt);
        QFETCH(QPoint, mainAt);
        QFETCH(QByteArray, line2);
        s->main->show();
        s->panel->show();
        s->panel->setGeometry(QRect(panelAt, s->panel->size())); // client areas are stored
        s->main->setGeometry(QRect(mainAt, s->main->size()));
        QSignalSpy unloaded(s->main.get(), &FormMain::unloaded);
        s->panel->Exitx->trigger();

        const QString path = s->t.path("Zederoru.cfg");
        QCOMPARE(readFile(path), "PELORIN.pel\r\n" + line2);
        const std::optional<Settings> back = readSettings(path);
        QVERIFY(back);
        QCOMPARE(back->collection, QString("PELORIN.pel"));
        QCOMPARE(back->positions, WindowPositions(*s->main, *s->panel));
        QCOMPARE(unloaded.size(), 1);
        QVERIFY(!s->panel->isVisible());
        QCOMPARE(s->t.sound.commands.mid(0, 2), (QStringList{"stop mp3", "close all"}));
        QVERIFY(s->t.messages.shown.isEmpty());
    }

    // Its close box or Alt+F4: the board must not be left behind without its commands.
    void closingThePanelIsExit() {
        s->main->show();
        s->panel->show();
        QSignalSpy unloaded(s->main.get(), &FormMain::unloaded);
        s->panel->close();
        const std::optional<Settings> stored = readSettings(s->t.path("Zederoru.cfg"));
        QVERIFY(stored && stored->hasPositions());
        QCOMPARE(stored->positions, WindowPositions(*s->main, *s->panel));
        QCOMPARE(unloaded.size(), 1);
        QVERIFY(!s->main->isVisible());
        QVERIFY(!s->panel->isVisible());
    }

    void unwritableSettingsAreReported() {
        s->t.p.AppDir = s->t.path("no such folder/");
        QSignalSpy unloaded(s->main.get(), &FormMain::unloaded);
        s->panel->Exitx->trigger();
        QCOMPARE(s->t.messages.shown.size(), 1);
        QVERIFY(s->t.messages.texts()[0].startsWith("The settings could not be saved:"));
        QCOMPARE(s->t.messages.shown[0].icon, MessageBoxes::Icon::Warning);
        QCOMPARE(unloaded.size(), 1); // the game still ends
    }

private:
    std::unique_ptr<PanelSession> s;
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
