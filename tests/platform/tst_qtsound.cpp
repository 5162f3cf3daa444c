#include "platform/qtsound.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// The real sound-command player. Under the offscreen platform there may be no audio device;
// every case must return at once and stay silent on failure.
class TestQtSound : public QObject {
    Q_OBJECT
private slots:
    void cueFilesAreShortMonoWaves_data();
    void cueFilesAreShortMonoWaves();
    void missingFileIsSilent();
    void playsPathsWithBlanksWithoutWaiting();
    void closeAllReleasesThePlayers();
    void unknownCommandsAreIgnored();
};

namespace {

QByteArray cue(const QString& name) {
    QFile file(QStringLiteral(ZEDERORU_DATA_DIR "/") + name + QStringLiteral(".wav"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le32(const QByteArray& d, int at) {
    return qFromLittleEndian<quint32>(d.constData() + at);
}

quint16 le16(const QByteArray& d, int at) {
    return qFromLittleEndian<quint16>(d.constData() + at);
}

} // namespace

void TestQtSound::cueFilesAreShortMonoWaves_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("maxSeconds");
    for (const char* n : {"Click", "Slide", "Error", "whoosh1", "click2", "shsh-dot", "GiveUp"})
        QTest::newRow(n) << QString::fromLatin1(n) << 1.0;
    QTest::newRow("clap4") << QStringLiteral("clap4") << 3.0;
    QTest::newRow("thank") << QStringLiteral("thank") << 3.0;
}

void TestQtSound::cueFilesAreShortMonoWaves() {
    QFETCH(QString, name);
    QFETCH(double, maxSeconds);
    const QByteArray d = cue(name);
    QVERIFY2(d.size() > 44, qPrintable(name));
    QCOMPARE(d.left(4), QByteArray("RIFF"));
    QCOMPARE(d.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le16(d, 20), quint16(1)); // PCM
    QCOMPARE(le16(d, 22), quint16(1)); // mono
    QCOMPARE(le32(d, 24), quint32(22050));
    QCOMPARE(le16(d, 34), quint16(16));
    QCOMPARE(d.mid(36, 4), QByteArray("data"));
    const double seconds = le32(d, 40) / 2.0 / 22050;
    QVERIFY(seconds > 0.02);
    QVERIFY(seconds < maxSeconds);
}

void TestQtSound::missingFileIsSilent() {
    QtSoundCommands sound;
    QTemporaryDir dir;
    sound.mciSendString(QStringLiteral("play ") + dir.filePath(QStringLiteral("clap4.wav")));
    sound.mciSendString(QStringLiteral("play "));
    QCOMPARE(sound.loadedCount(), 0);
}

void TestQtSound::playsPathsWithBlanksWithoutWaiting() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("program folder"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Click.wav");
    QVERIFY(QFile::copy(QStringLiteral(ZEDERORU_DATA_DIR "/Click.wav"), path));
    QtSoundCommands sound;
    QElapsedTimer clock;
    clock.start();
    sound.mciSendString(QStringLiteral("play ") + path);
    sound.mciSendString(QStringLiteral("play ") + path); // the same cue again reuses its player
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(sound.loadedCount(), 1);
}

void TestQtSound::closeAllReleasesThePlayers() {
    QtSoundCommands sound;
    sound.mciSendString(QStringLiteral("play " ZEDERORU_DATA_DIR "/Slide.wav"));
    sound.mciSendString(QStringLiteral("play " ZEDERORU_DATA_DIR "/Error.wav"));
    QCOMPARE(sound.loadedCount(), 2);
    sound.mciSendString(QStringLiteral("stop mp3"));
    QCOMPARE(sound.loadedCount(), 2);
    sound.mciSendString(QStringLiteral("close all"));
    QCOMPARE(sound.loadedCount(), 0);
}

void TestQtSound::unknownCommandsAreIgnored() {
    QtSoundCommands sound;
    sound.mciSendString(QStringLiteral("open " ZEDERORU_DATA_DIR "/Slide.wav"));
    sound.mciSendString(QStringLiteral("PLAY " ZEDERORU_DATA_DIR "/Slide.wav"));
    sound.mciSendString(QString());
    QCOMPARE(sound.loadedCount(), 0);
}

QTEST_MAIN(TestQtSound)
#include "tst_qtsound.moc"
