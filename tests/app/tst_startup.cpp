// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "app/formmain.h"
#include "app/startup.h"
#include "app/windowplacement.h"
#include "panel/form1.h"
#include "platform/surfacewidget.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using namespace Fixtures;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesTheSettingsFile();
    void missingCollectionStopsWithoutWriting();
    void collectionsTriedInTurn();
    void badSettingsStartOnDefaults_data();
    void badSettingsStartOnDefaults();
    void unusableCollectionStops_data();
    void unusableCollectionStops();
    void settingsWrittenByExitReadBack_data();
    void settingsWrittenByExitReadBack();
    void settingsLineTwoForms_data();
    void settingsLineTwoForms();
    void shutdownSendsItsCommands();
    void windowsShowTheGameOnScreen();
    void panelTitleBarStaysWithinReach_data();
    void panelTitleBarStaysWithinReach();
};

void TestStartup::firstStartCreatesTheSettingsFile() {
    TestGame t;
    const auto settings = t.start(collection(syntheticHeader(), numbered(1)));
    QVERIFY(settings);
    QCOMPARE(readFile(t.path("Zederoru.cfg")), QByteArray("PELORIN.pel\r\n-1,-1,-1,-1\r\n"));
    QCOMPARE(t.p.AppDir, QDir(t.folder.path()).path() + '/');
    QCOMPARE(t.p.FigureFilePath, t.path("PELORIN.pel"));
    QCOMPARE(t.p.LevelText(), QString("Play difficulty: NORMAL"));
    QCOMPARE(t.p.TargetCaption(), QString("Pelorin (1 of 1)"));
    QCOMPARE(t.p.PieceX, t.p.HomeX);
    QVERIFY(t.messages.shown.isEmpty());
    QVERIFY(t.sound.commands.isEmpty());
}

void TestStartup::missingCollectionStopsWithoutWriting() {
    TestGame t;
    writeFile(t.path("Zederoru.cfg"), "gone.pel\r\n 15  30  45  60 \r\n");
    QVERIFY(!StartUp(t.p, t.folder.path()));
    QCOMPARE(t.messages.texts(),
             (QStringList{"Pelorin shapes file not found:\n\r" + t.path("gone.pel"),
                          "Pelorin shapes file not found:\n\r" + t.path("PELORIN.pel")}));
    QCOMPARE(readFile(t.path("Zederoru.cfg")), QByteArray("gone.pel\r\n 15  30  45  60 \r\n"));
    writeFile(t.path("gone.pel"), ""); // an empty file counts as missing
    QVERIFY(!StartUp(t.p, t.folder.path()));
    QCOMPARE(t.messages.shown.size(), 4);
}

void TestStartup::collectionsTriedInTurn() {
    TestGame t;
    const QByteArray standard = collection(syntheticHeader(), numbered(1));
    writeFile(t.path("PELORIN.pel"), standard);
    writeFile(t.path("Zederoru.cfg"), "elsewhere.pel\r\n-1,-1,-1,-1\r\n");

    // A collection opened from another folder was stored by name only: start on the default.
    QVERIFY(StartUp(t.p, t.folder.path()));
    QCOMPARE(t.p.FigureFilePath, t.path("PELORIN.pel"));
    QCOMPARE(t.messages.texts(),
             QStringList{"Pelorin shapes file not found:\n\r" + t.path("elsewhere.pel")});

    // One named on the command line comes first, from any folder, blanks and all.
    QTemporaryDir other;
    const QString asked = other.filePath("my figures été.pel");
    writeFile(asked, collection(syntheticHeader(), numbered(3)));
    t.messages.shown.clear();
    QVERIFY(StartUp(t.p, t.folder.path(), asked));
    QCOMPARE(t.p.FigureFilePath, asked);
    QCOMPARE(t.p.FigureCount, 3);
    QVERIFY(t.messages.shown.isEmpty());

    // One that is not a collection is reported and the next one loaded.
    writeFile(asked, "just some text\r\n");
    QVERIFY(StartUp(t.p, t.folder.path(), asked));
    QCOMPARE(t.p.FigureFilePath, t.path("PELORIN.pel"));
    QCOMPARE(t.p.FigureCount, 1);
    QCOMPARE(t.messages.shown.size(), 2);
    QVERIFY(t.messages.shown[0].text.startsWith("Pelorin shapes file cannot be read:"));
    QVERIFY(t.messages.shown[0].text.contains(asked));
}

void TestStartup::badSettingsStartOnDefaults_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // of no regular file put there instead
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("positions");
    QTest::newRow("a folder") << QByteArray() << "folder" << 0 << false;
    QTest::newRow("a named pipe") << QByteArray() << "pipe" << 0 << false;
    QTest::newRow("binary") << QByteArray("\0\x01\xff\xfe,\0\r\n\x80", 9) << "" << 1 << false;
    QTest::newRow("no name") << QByteArray("\r\n 15  30  45  60 \r\n") << "" << 1 << true;
    QTest::newRow("a folder named") << QByteArray("..\r\n") << "" << 1 << false;
    QTest::newRow("huge") << QByteArray(3 << 20, 'x') << "" << 0 << false;
}

// A settings file that is no use never stops the game: it starts on the default collection,
// says which collection it could not find, keeps what it could read and leaves the file as
// it was.
void TestStartup::badSettingsStartOnDefaults() {
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(int, messages);
    QFETCH(bool, positions);
    TestGame t;
    const QString cfg = t.path("Zederoru.cfg");
    if (kind.isEmpty())
        writeFile(cfg, content);
    else
        putNoCollection(cfg, kind);
    const auto settings = t.start(collection(syntheticHeader(), numbered(1)));
    QVERIFY(settings);
    QCOMPARE(settings->hasPositions(), positions);
    QCOMPARE(t.p.FigureFilePath, t.path("PELORIN.pel"));
    QCOMPARE(t.p.FigureCount, 1);
    QCOMPARE(t.messages.shown.size(), messages);
    if (kind.isEmpty())
        QCOMPARE(readFile(cfg), content);
    else
        QVERIFY(!QFileInfo(cfg).isFile());
}

void TestStartup::unusableCollectionStops_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // of no regular file put there instead
    QTest::addColumn<QString>("told");
    QTest::newRow("short header") << QByteArray("1,2\r\nthis is not a collection\r\n") << ""
                                  << "PELORIN.pel\n\r.*64 lines";
    QTest::newRow("501 figures") << collection(syntheticHeader(), numbered(501)) << ""
                                 << "^Cannot handle more than 500 Zederoru$";
    QTest::newRow("a named pipe") << QByteArray() << "pipe"
                                  << "cannot be read:\n\r.*PELORIN.pel\n\rit is a named pipe";
    QTest::newRow("100 MB") << QByteArray() << "huge"
                            << "cannot be read:\n\r.*PELORIN.pel\n\rit is 104857600 bytes";
}

void TestStartup::unusableCollectionStops() {
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, told);
    TestGame t;
    if (kind.isEmpty()) {
        QVERIFY(!t.start(content));
    } else {
        putNoCollection(t.path("PELORIN.pel"), kind);
        QVERIFY(!StartUp(t.p, t.folder.path()));
    }
    QCOMPARE(t.messages.shown.size(), 1);
    QVERIFY2(QRegularExpression(told).match(t.messages.texts()[0]).hasMatch(),
             qPrintable(t.messages.texts()[0]));
}

void TestStartup::settingsWrittenByExitReadBack_data() {
    QTest::addColumn<QString>("collection");
    QTest::addColumn<QList<float>>("positions");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("positive") << "/games/my figures/Cats.pel" << QList<float>{1200, 4500, 6000, 300}
                              << QByteArray("Cats.pel\r\n 1200  4500  6000  300 \r\n");
    QTest::newRow("fraction") << "/x/y.pel" << QList<float>{1.5f, 2, 3, 4}
                              << QByteArray("y.pel\r\n 1.5  2  3  4 \r\n");
    QTest::newRow("comma in name") << "/x/a, b.pel" << QList<float>{1, 2, 3, 4}
                                   << QByteArray("\"a, b.pel\"\r\n 1  2  3  4 \r\n");
    QTest::newRow("line feed in name") << "/x/a\nb.pel" << QList<float>{1, 2, 3, 4}
                                       << QByteArray("\"a\nb.pel\"\r\n 1  2  3  4 \r\n");
}

void TestStartup::settingsWrittenByExitReadBack() {
    QFETCH(QString, collection);
    QFETCH(QList<float>, positions);
    QFETCH(QByteArray, bytes);
    const std::array<float, 4> p{positions[0], positions[1], positions[2], positions[3]};
    QCOMPARE(formatSettings(collection, p), bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("Zederoru.cfg");
    QVERIFY(writeSettings(path, bytes, nullptr));
    QCOMPARE(readFile(path), bytes);
    const auto back = readSettings(path);
    QVERIFY(back);
    QCOMPARE(back->collection, collection.mid(collection.lastIndexOf('/') + 1));
    QCOMPARE(back->positions, p);
}

void TestStartup::settingsLineTwoForms_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<float>("mainTop");
    QTest::newRow("blanks") << QByteArray("a.pel\r\n 10  20  30  40 \r\n") << true << 40.f;
    QTest::newRow("commas") << QByteArray("a.pel\r\n10,20,30,40\r\n") << true << 40.f;
    QTest::newRow("minus one first") << QByteArray("a.pel\r\n-1,20,30,40\r\n") << false << 40.f;
    QTest::newRow("missing") << QByteArray("a.pel\r\n") << false << -1.f;
    QTest::newRow("words") << QByteArray("a.pel\r\nleft,top,x,y\r\n") << false << -1.f;
    QTest::newRow("three numbers") << QByteArray("a.pel\r\n1,2,3\r\n") << false << -1.f;
    QTest::newRow("beyond a float") << QByteArray("a.pel\r\n1,2,3,1e300\r\n") << false << -1.f;
}

void TestStartup::settingsLineTwoForms() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, stored);
    QFETCH(float, mainTop);
    QTemporaryDir dir;
    writeFile(dir.filePath("s.cfg"), bytes);
    const auto s = readSettings(dir.filePath("s.cfg"));
    QVERIFY(s);
    QCOMPARE(s->collection, QString("a.pel"));
    QCOMPARE(s->hasPositions(), stored);
    QCOMPARE(s->positions[3], mainTop);
}

void TestStartup::shutdownSendsItsCommands() {
    TestGame t;
    QVERIFY(t.start(collection(syntheticHeader(), {})));
    t.p.SoundOn = 1;
    ShutDown(t.p);
    QCOMPARE(t.sound.commands,
             (QStringList{"stop mp3", "close all", "play " + t.p.AppDir + "thank.wav"}));
}

void TestStartup::windowsShowTheGameOnScreen() {
    TestGame t;
    QVERIFY(t.start(collection(syntheticHeader(), numbered(1))));
    FormMain main(t.p);
    Form1 panel(t.p);
    QCOMPARE(main.windowTitle(), "File: " + t.path("PELORIN.pel"));
    QCOMPARE(panel.windowTitle(), QString("Zederoru"));
    QCOMPARE(main.Picture1->size(), QSize(350, 390));
    QCOMPARE(main.PStandard->geometry().top(), 390);
    // Stored places far off every screen: side by side on the screen instead.
    Settings offScreen;
    offScreen.positions = {-90000, -90000, 500000, 500000};
    PlaceWindows(main, panel, offScreen);
    QVERIFY(panel.x() >= main.x() + main.width());
    QCOMPARE(panel.y(), main.y());
    // Centred across the screen, measured with the sizes the windows show at.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int leftGap = main.x() - area.left();
    const int rightGap = area.right() - panel.geometry().right();
    QVERIFY2(std::abs(leftGap - rightGap) <= 1,
             qPrintable(QString("%1 %2").arg(leftGap).arg(rightGap)));
    // Places stored by Exit come back at the next start.
    Settings stored;
    stored.positions = {1200, 4500, 6000, 300};
    PlaceWindows(main, panel, stored);
    QCOMPARE(panel.pos(), QPoint(80, 300));
    QCOMPARE(main.pos(), QPoint(400, 20));
    QCOMPARE(WindowPositions(main, panel), stored.positions);
}

void TestStartup::panelTitleBarStaysWithinReach_data() {
    QTest::addColumn<int>("left"); // of the panel, pixels: negative from the screen's right
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("taken");
    QTest::newRow("at the top edge") << 100 << 0 << true;
    QTest::newRow("title bar above the screen") << 100 << -10 << false;
    QTest::newRow("a sliver at the right edge") << -20 << 100 << false;
    QTest::newRow("a sliver at the left edge") << -10000 << 100 << false;
}

// A stored place that leaves the panel's title bar out of reach, and with it the menu, is
// not taken even though part of the panel would be seen.
void TestStartup::panelTitleBarStaysWithinReach() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(bool, taken);
    TestGame t;
    QVERIFY(t.start(collection(syntheticHeader(), numbered(1))));
    FormMain main(t.p);
    Form1 panel(t.p);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int width = panel.frameGeometry().width();
    if (left == -10000)
        left = screen.left() + 20 - width;
    else if (left < 0)
        left += screen.right();
    Settings stored;
    stored.positions = {15.0f * left, 15.0f * top, 6000, 300};
    PlaceWindows(main, panel, stored);
    QCOMPARE(panel.pos() == QPoint(left, top), taken);
    QVERIFY(screen.contains(panel.pos()));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
