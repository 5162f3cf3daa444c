// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtsound.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

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

// The real sound-command player. Under the offscreen platform there may be no audio device;
// every case must return at once and stay silent on failure.
class TestQtSound : public QObject {
    Q_OBJECT
private slots:
    void cueFilesAreShortMonoWaves_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("maxSeconds");
        for (const char* n : {"Click", "Slide", "Error", "whoosh1", "click2", "shsh-dot", "GiveUp"})
            QTest::newRow(n) << QString::fromLatin1(n) << 1.0;
        QTest::newRow("clap4") << QStringLiteral("clap4") << 3.0;
        QTest::newRow("thank") << QStringLiteral("thank") << 3.0;
    }

    void cueFilesAreShortMonoWaves() {
        QFETCH(QString, name);
        QFETCH(double, maxSeconds);
        const QByteArray d = cue(name);
        QVERIFY2(d.size() > 44, qPrintable(name));
        QCOMPARE(d.left(4) + d.mid(8, 8) + d.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        // 16-bit mono PCM at 22050 samples a second
        QCOMPARE(QList<quint32>({le16(d, 20), le16(d, 22), le32(d, 24), le16(d, 34)}),
                 QList<quint32>({1, 1, 22050, 16}));
        const double seconds = le32(d, 40) / 2.0 / 22050;
        QVERIFY(seconds > 0.02 && seconds < maxSeconds);
    }

    // A missing file, an empty path and commands it does not know load nothing.
    void missingFileIsSilent() {
        QtSoundCommands sound;
        QTemporaryDir dir;
        sound.mciSendString(QStringLiteral("play ") + dir.filePath(QStringLiteral("clap4.wav")));
        sound.mciSendString(QStringLiteral("play "));
        sound.mciSendString(QStringLiteral("open " ZEDERORU_DATA_DIR "/Slide.wav"));
        sound.mciSendString(QStringLiteral("PLAY " ZEDERORU_DATA_DIR "/Slide.wav"));
        sound.mciSendString(QString());
        QCOMPARE(sound.loadedCount(), 0);
    }

    void playsPathsWithBlanksWithoutWaiting() {
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

    // Qt loads samples on a thread of its own and frees a sample whose player went away while
    // it loaded only when that thread runs again: let it, so that nothing is left at exit.
    void cleanupTestCase() { QTest::qWait(1000); }

    void closeAllReleasesThePlayers() {
        QtSoundCommands sound;
        sound.mciSendString(QStringLiteral("play " ZEDERORU_DATA_DIR "/Slide.wav"));
        sound.mciSendString(QStringLiteral("play " ZEDERORU_DATA_DIR "/Error.wav"));
        sound.mciSendString(QStringLiteral("stop mp3"));
        QCOMPARE(sound.loadedCount(), 2);
        sound.mciSendString(QStringLiteral("close all"));
        QCOMPARE(sound.loadedCount(), 0);
    }
};

QTEST_MAIN(TestQtSound)
#include "tst_qtsound.moc"
