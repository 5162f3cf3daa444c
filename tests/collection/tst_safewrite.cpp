#include "app/settings.h"
#include "platform/safewrite.h"
#include "support/dialogfakes.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using Fixtures::readFile;
using Fixtures::writeFile;

class TestSafeWrite : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void replacesAndKeepsPermissions();
    void failureAfterAnyByteLeavesTheOldFileAndNoLitter();
    void unwritableFolder();
    void symbolicLinkKeepsPointingAtTheNewContent();
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

void TestSafeWrite::failureAfterAnyByteLeavesTheOldFileAndNoLitter() {
    writeFile(path, "old content");
    const QByteArray fresh(5000, 'n');
    for (qint64 n : {qint64(0), qint64(1), qint64(4096), qint64(4999)}) {
        DiskFullAfter full(n);
        QString why;
        QVERIFY(!SafeWrite::replaceFile(path, fresh, &why));
        QCOMPARE(why, QStringLiteral("No space left on device"));
        QCOMPARE(readFile(path), QByteArray("old content"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
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
