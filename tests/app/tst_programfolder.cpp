// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "app/programfolder.h"

#include <QDir>
#include <QTest>

using Fixtures::readFile;
using Fixtures::writeFile;

// An installed tree (bin/ without data, share/zederoru with data) and a player's home.
class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void portableFolderIsKept();
    void readOnlyPortableFolderUsesThePlayersFolder();
    void installedGameFillsThePlayersFolderOnce();
    void nothingInstalledFallsBackToTheExecutable();

private:
    ProgramFolderPlaces places(bool writable) const {
        ProgramFolderPlaces p;
        p.executableDir = root->filePath("prefix/bin");
        p.installedDataDirs = {root->filePath("elsewhere"),
                               root->filePath("prefix/share/zederoru")};
        p.userDataDir = root->filePath("home/.local/share/Zederoru");
        p.isWritableDir = [writable](const QString&) { return writable; };
        return p;
    }
    std::unique_ptr<QTemporaryDir> root;
};

void TestProgramFolder::init() {
    root = std::make_unique<QTemporaryDir>();
    QDir(root->path()).mkpath("prefix/bin");
    QDir(root->path()).mkpath("prefix/share/zederoru");
    for (const char* name :
         {"PELORIN.pel", "PELORIN.names", "Click.wav", "Zederoru.htm", "board.png"})
        writeFile(root->filePath(QString("prefix/share/zederoru/") + name), name);
    writeFile(root->filePath("prefix/share/zederoru/notes.txt"), "not game data");
}

void TestProgramFolder::portableFolderIsKept() {
    writeFile(root->filePath("prefix/bin/PELORIN.pel"), "portable");
    const ProgramFolder f = chooseProgramFolder(places(true));
    QCOMPARE(f.path, root->filePath("prefix/bin"));
    QVERIFY(f.copied.isEmpty());
    QVERIFY(!QFileInfo::exists(root->filePath("home")));
}

void TestProgramFolder::readOnlyPortableFolderUsesThePlayersFolder() {
    writeFile(root->filePath("prefix/bin/PELORIN.pel"), "portable");
    const ProgramFolder f = chooseProgramFolder(places(false));
    QCOMPARE(f.path, root->filePath("home/.local/share/Zederoru"));
    QCOMPARE(readFile(f.path + "/PELORIN.pel"), QByteArray("PELORIN.pel"));
}

void TestProgramFolder::installedGameFillsThePlayersFolderOnce() {
    const ProgramFolder first = chooseProgramFolder(places(true));
    const QString home = root->filePath("home/.local/share/Zederoru");
    QCOMPARE(first.path, home);
    QCOMPARE(first.copied, (QStringList{"Click.wav", "PELORIN.names", "PELORIN.pel", "Zederoru.htm",
                                        "board.png"}));
    QVERIFY(!QFileInfo::exists(home + "/notes.txt"));
    QVERIFY(QFileInfo(home + "/PELORIN.pel").isWritable());

    // The player's own files survive every later start; a removed one comes back, but not
    // the names of a collection the player kept, which would name other figures.
    writeFile(home + "/PELORIN.pel", "the player's figures");
    QFile::remove(home + "/Click.wav");
    QFile::remove(home + "/PELORIN.names");
    const ProgramFolder second = chooseProgramFolder(places(true));
    QCOMPARE(second.copied, QStringList{"Click.wav"});
    QVERIFY(!QFileInfo::exists(home + "/PELORIN.names"));
    QCOMPARE(readFile(home + "/PELORIN.pel"), QByteArray("the player's figures"));
}

void TestProgramFolder::nothingInstalledFallsBackToTheExecutable() {
    QDir(root->filePath("prefix/share/zederoru")).removeRecursively();
    const ProgramFolder f = chooseProgramFolder(places(true));
    QCOMPARE(f.path, root->filePath("prefix/bin"));
    QVERIFY(!QFileInfo::exists(root->filePath("home")));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
