// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/browsefixtures.h"
#include "support/fixtures.h"

#include "app/gamewindows.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "platform/bevelbox.h"
#include "platform/surfacewidget.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTest>

using Fixtures::readFile;
using Fixtures::writeFile;

// The whole game as a player meets it after a system install: the program's own files are
// read-only, everything the player makes lands in the player's data folder.
class TestGameWindows : public QObject {
    Q_OBJECT
private slots:
    void installedGamePlaysComposesAndExits();
    void boardHasTheKeysFromTheStartAndClosingItIsNoExit();

private:
    static QMap<QString, QByteArray> snapshot(const QString& folder);
    static void click(Form1& panel, const QString& toolTip);
};

QMap<QString, QByteArray> TestGameWindows::snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readFile(path));
    }
    return files;
}

void TestGameWindows::click(Form1& panel, const QString& toolTip) {
    for (Bevelbox* button : panel.MenuButx)
        if (button && button->toolTip() == toolTip) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    QFAIL(qPrintable("no button " + toolTip));
}

void TestGameWindows::installedGamePlaysComposesAndExits() {
    QTemporaryDir root;
    const QString share = root.filePath("prefix/share/zederoru");
    QDir().mkpath(root.filePath("prefix/bin"));
    QDir().mkpath(share);
    const QDir data(QStringLiteral(ZEDERORU_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files))
        QVERIFY(QFile::copy(data.filePath(name), share + '/' + name));
    const QMap<QString, QByteArray> installed = snapshot(root.filePath("prefix"));

    ProgramFolderPlaces places;
    places.executableDir = root.filePath("prefix/bin");
    places.installedDataDirs = {share};
    places.userDataDir = root.filePath("home/.local/share/Zederoru");
    const QString prefix = root.filePath("prefix");
    places.isWritableDir = [prefix](const QString& dir) { return !dir.startsWith(prefix); };
    const ProgramFolder folder = chooseProgramFolder(places);
    QCOMPARE(folder.path, places.userDataDir);

    FakeMessageBoxes messages; // every question answered with its first button
    RecordingSound sound;
    Game game(messages, sound, 15, 15);
    PELORIN1& p = game.pelorin;
    const auto settings = StartUp(p, folder.path);
    QVERIFY(settings);
    GameWindows windows(game, messages);
    windows.show(*settings);
    QVERIFY(QTest::qWaitForWindowExposed(&windows.panel));
    windows.panel.Hintx->trigger();
    QVERIFY(windows.main.Hint().shown());
    const int figures = p.FigureCount;
    const QString collection = folder.path + "/PELORIN.pel";
    const int lines = readFile(collection).count('\n');

    click(windows.panel, "Copy");
    QCOMPARE(p.CopiedFlag, 1);
    click(windows.panel, "Append existing Pelorin");
    QCOMPARE(p.FigureCount, figures + 1);
    QCOMPARE(p.CurrentFigure, figures + 1);
    QCOMPARE(readFile(collection).count('\n'), lines + 1);

    windows.panel.Exitx->trigger();
    QVERIFY(!windows.main.isVisible());
    const QByteArray stored = readFile(folder.path + "/Zederoru.cfg");
    QVERIFY(stored.startsWith("PELORIN.pel\r\n "));
    QCOMPARE(stored.count("\r\n"), 2);
    QCOMPARE(snapshot(prefix), installed);
}

// The keys work from the start. Closing the board window ends the game without Exit, so the
// panel that the ending closes must not store anything either.
void TestGameWindows::boardHasTheKeysFromTheStartAndClosingItIsNoExit() {
    TestGame t;
    const auto settings = t.start(BrowseFixtures::squaresCollection(3));
    QVERIFY(settings);
    GameWindows windows(t.game, t.messages);
    windows.show(*settings);
    QTRY_COMPARE(QApplication::activeWindow(), &windows.main);
    QCOMPARE(QApplication::focusWidget(), windows.main.Picture1);

    const QByteArray stored = readFile(t.path("Zederoru.cfg"));
    windows.main.close();
    windows.panel.close();
    QCOMPARE(readFile(t.path("Zederoru.cfg")), stored);
    QVERIFY(t.messages.shown.isEmpty());
}

QTEST_MAIN(TestGameWindows)
#include "tst_gamewindows.moc"
