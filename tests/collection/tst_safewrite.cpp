// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings.h"
#include "platform/safewrite.h"
#include "support/dialogfakes.h"
#include "support/fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using Fixtures::putNoCollection;
using Fixtures::readFile;
using Fixtures::writeFile;

class TestSafeWrite : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void replacesAndKeepsPermissions();
    void failureAfterAnyByteLeavesTheOldFileAndNoLitter_data();
    void failureAfterAnyByteLeavesTheOldFileAndNoLitter();
    void unwritableFolder();
    void symbolicLinkKeepsPointingAtTheNewContent();
    void noRegularFileIsReplaced_data();
    void noRegularFileIsReplaced();
    void temporariesOfAKilledGameGoAtTheNextWrite();
    void lockOfADeadGameIsTakenOver();
    void settingsGoThroughTheSameWriter();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

void TestSafeWrite::init() {
    dir = std::make_unique<QTemporaryDir>();
    path = dir->filePath(QStringLiteral("figures é.pel"));
}

void TestSafeWrite::cleanup() {
    SafeWrite::stopFailing();
    QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSafeWrite::replacesAndKeepsPermissions() {
    QString why;
    QVERIFY(SafeWrite::replaceFile(path, "first", &why));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QVERIFY(SafeWrite::replaceFile(path, "second", &why));
    QCOMPARE(readFile(path), QByteArray("second"));
    QCOMPARE(QFile::permissions(path) & 0x7077, // owner, group, others
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void TestSafeWrite::failureAfterAnyByteLeavesTheOldFileAndNoLitter_data() {
    QTest::addColumn<qint64>("bytes"); // written before the disk is full; -1: all of them
    QTest::addColumn<int>("flushError");
    QTest::addColumn<QString>("reason");
    for (qint64 n : {0, 1, 4096, 4999})
        QTest::addRow("full after %lld bytes", n) << n << 0 << "No space left on device";
    QTest::newRow("flushing to the disk fails") << qint64(-1) << EIO << "Input/output error";
}

void TestSafeWrite::failureAfterAnyByteLeavesTheOldFileAndNoLitter() {
    QFETCH(qint64, bytes);
    QFETCH(int, flushError);
    QFETCH(QString, reason);
    writeFile(path, "old content");
    const QByteArray fresh(5000, 'n');
    if (bytes >= 0)
        SafeWrite::failAfter(bytes);
    if (flushError != 0)
        SafeWrite::failSync(flushError);
    QString why;
    QVERIFY(!SafeWrite::replaceFile(path, fresh, &why));
    QCOMPARE(why, reason);
    QCOMPARE(readFile(path), QByteArray("old content"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    SafeWrite::stopFailing();
    QVERIFY(SafeWrite::replaceFile(path, fresh, nullptr));
    QCOMPARE(readFile(path), fresh);
}

void TestSafeWrite::unwritableFolder() {
    if (::geteuid() == 0)
        QSKIP("running as root, which writes into any folder; the collection tests prove this "
              "path through the write seam instead");
    writeFile(path, "old");
    QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner);
    QString why;
    QVERIFY(!SafeWrite::replaceFile(path, "new", &why));
    QVERIFY(!why.isEmpty());
    QCOMPARE(readFile(path), QByteArray("old"));
}

void TestSafeWrite::symbolicLinkKeepsPointingAtTheNewContent() {
    writeFile(path, "old");
    const QString link = dir->filePath(QStringLiteral("link.pel"));
    QVERIFY(QFile::link(path, link));
    QVERIFY(SafeWrite::replaceFile(link, "new", nullptr));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(path), QByteArray("new"));
}

void TestSafeWrite::noRegularFileIsReplaced_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a file";
    QTest::newRow("named pipe") << "pipe"
                                << "it is a named pipe, not a file";
    QTest::newRow("link to a device") << "device"
                                      << "it is a device, not a file";
}

void TestSafeWrite::noRegularFileIsReplaced() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    putNoCollection(path, kind);
    const QFileInfo before(path);
    QString why;
    QVERIFY(!SafeWrite::replaceFile(path, "new", &why));
    QCOMPARE(why, reason);
    QCOMPARE(QFileInfo(path).isSymLink(), before.isSymLink());
    QVERIFY(!QFileInfo(path).isFile());
    QVERIFY(QDir(dir->path()).entryList({QStringLiteral("*zederoru-*")}, QDir::Files).isEmpty());
}

void TestSafeWrite::temporariesOfAKilledGameGoAtTheNextWrite() {
    const QStringList ours{"figures é.pel.zederoru-a1B2c3", "figures é.pel.zederoru-ZZZZZZ"};
    const QStringList notOurs{"figures é.pel.zederoru-a1B2c", "figures é.pel.backup",
                              "figures é.pel.Xa91bc", "other.pel.zederoru-a1B2c3"};
    for (const QString& name : ours + notOurs)
        writeFile(dir->filePath(name), "left");
    QVERIFY(SafeWrite::replaceFile(path, "new", nullptr));
    QStringList expected = notOurs + QStringList{QFileInfo(path).fileName()};
    expected.sort();
    QStringList left = QDir(dir->path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QCOMPARE(left, expected);
}

void TestSafeWrite::lockOfADeadGameIsTakenOver() {
    // The lock file a game leaves when it is killed: this game's own, with another process
    // number, of a process that has ended.
    const QString lockPath = path + QStringLiteral(".lock");
    QByteArray content;
    {
        QLockFile own(lockPath);
        QVERIFY(own.tryLock(0));
        content = readFile(lockPath);
    }
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 pid = ended.processId();
    QVERIFY(ended.waitForFinished());
    content.replace(0, content.indexOf('\n'), QByteArray::number(pid));
    writeFile(lockPath, content);
    QElapsedTimer clock;
    clock.start();
    SafeWrite::FileLock lock(path);
    QVERIFY(lock.acquire(nullptr));
    QVERIFY(clock.elapsed() < SafeWrite::LockWaitMs);
}

void TestSafeWrite::settingsGoThroughTheSameWriter() {
    const QString settings = dir->filePath(QStringLiteral("Zederoru.cfg"));
    QVERIFY(writeDefaultSettings(settings, nullptr));
    const QByteArray before = readFile(settings);
    DiskFullAfter full(5);
    QString why;
    QVERIFY(!writeSettings(settings, "PELORIN.pel\r\n 1  2  3  4 \r\n", &why));
    QCOMPARE(why, QStringLiteral("No space left on device"));
    QCOMPARE(readFile(settings), before);
}

QTEST_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
