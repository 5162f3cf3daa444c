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
        s->panel->move(panelAt);
        s->main->move(mainAt);
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
