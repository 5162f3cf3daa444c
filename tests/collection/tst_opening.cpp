// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/opening.h"
#include "support/collectiongame.h"
#include "support/fixtures.h"

#include <QTest>

using namespace Fixtures;

namespace {

QByteArray withFigures(int count) {
    return collection(syntheticHeader(), numbered(count));
}

} // namespace

class TestOpening : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensAnotherCollectionAtARandomFigure();
    void smallCollections_data();
    void smallCollections();
    void nothingChosenChangesNothing_data();
    void nothingChosenChangesNothing();
    void filesThatAreNoCollectionAreRefused_data();
    void filesThatAreNoCollectionAreRefused();

private:
    std::unique_ptr<CollectionGame> g;
};

void TestOpening::init() {
    g = std::make_unique<CollectionGame>();
    QVERIFY(g->start(withFigures(3)));
}

void TestOpening::opensAnotherCollectionAtARandomFigure() {
    const QString other = g->path(QStringLiteral("autre collection é.pel"));
    writeFile(other, withFigures(40));
    g->p.SoundOn = 1;
    for (int run = 0; run < 3; ++run) {
        g->dialogs.answers = {other};
        OpenFigureFile(g->p, g->dialogs);
        QVERIFY(g->p.HasFigure(g->p.CurrentFigure));
        // Figure n of the test collections stands n pixels right of its corner.
        QCOMPARE(g->p.FigX[g->p.CurrentFigure][0], double(g->p.CurrentFigure));
    }
    QCOMPARE(g->p.FigureFilePath, other);
    QCOMPARE(g->p.FigureCount, 40);
    QVERIFY(g->messages.shown.isEmpty());
    QVERIFY(g->game.board.Enabled());
    QCOMPARE(g->p.MainCaption(), QStringLiteral("File: ") + other);
    QCOMPARE(g->sound.commands.mid(0, 2),
             (QStringList{QStringLiteral("play ") + g->p.AppDir + QStringLiteral("click2.wav"),
                          QStringLiteral("play ") + g->p.AppDir + QStringLiteral("shsh-dot.wav")}));
    QCOMPARE(g->dialogs.requests.first().filterText, QStringLiteral("Pelorin files"));
}

void TestOpening::smallCollections_data() {
    QTest::addColumn<int>("figures");
    QTest::newRow("one figure") << 1;
    QTest::newRow("no figure") << 0;
}

void TestOpening::smallCollections() {
    QFETCH(int, figures);
    const QString other = g->path(QStringLiteral("small.pel"));
    writeFile(other, withFigures(figures));
    g->dialogs.answers = {other};
    OpenFigureFile(g->p, g->dialogs);
    QCOMPARE(g->p.FigureCount, figures);
    QCOMPARE(g->p.CurrentFigure, 1);
    QCOMPARE(g->p.TargetCaption(), QStringLiteral("Pelorin (1 of %1)").arg(figures));
}

void TestOpening::nothingChosenChangesNothing_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("cancelled") << "";
    QTest::newRow("the pattern itself") << "*.pel";
}

void TestOpening::nothingChosenChangesNothing() {
    QFETCH(QString, answer);
    const QString loaded = g->p.FigureFilePath;
    g->dialogs.answers = {answer};
    OpenFigureFile(g->p, g->dialogs);
    QCOMPARE(g->p.FigureFilePath, loaded);
    QCOMPARE(g->p.FigureCount, 3);
    QVERIFY(g->messages.shown.isEmpty());
}

void TestOpening::filesThatAreNoCollectionAreRefused_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // of no regular file put there instead
    QTest::addColumn<QString>("message");
    QByteArray garbage;
    for (int i = 0; i < 100; ++i)
        garbage += "lorem ipsum dolor sit amet\r\n";
    QTest::newRow("more than 500 figures") << withFigures(501) << ""
                                           << "Cannot handle more than 500 Zederoru";
    QTest::newRow("text") << garbage << ""
                          << "it is not a Pelorin file";
    QTest::newRow("short header") << syntheticHeader().left(200) << ""
                                  << "shorter than 64 lines";
    QTest::newRow("empty") << QByteArray() << ""
                           << "shorter than 64 lines";
    QByteArray letters = withFigures(2);
    letters.replace("0.5,-3", "a,b");
    QTest::newRow("header field not numeric") << letters << ""
                                              << "not a Pelorin file: a home place";
    // Refused at once, never waited on or read.
    QTest::newRow("a folder") << QByteArray() << "folder"
                              << "it is a folder, not a file";
    QTest::newRow("a named pipe") << QByteArray() << "pipe"
                                  << "it is a named pipe, not a file";
    QTest::newRow("a device") << QByteArray() << "device"
                              << "it is a device, not a file";
    QTest::newRow("100 MB") << QByteArray() << "huge"
                            << "it is 104857600 bytes long, larger than the 1048576 bytes";
}

void TestOpening::filesThatAreNoCollectionAreRefused() {
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString other = g->path(QStringLiteral("other.pel"));
    if (kind.isEmpty())
        writeFile(other, content);
    else
        putNoCollection(other, kind);
    const QString loaded = g->p.FigureFilePath;
    g->p.CurrentFigure = 2;
    bool boardDisabledWhileTold = false;
    g->messages.whileShown = [&](const MessageBoxes::Message&) {
        boardDisabledWhileTold = !g->game.board.Enabled();
    };
    g->dialogs.answers = {other};
    OpenFigureFile(g->p, g->dialogs);
    QCOMPARE(g->messages.texts().size(), 1);
    QVERIFY2(g->messages.texts()[0].contains(message), qPrintable(g->messages.texts()[0]));
    QVERIFY(boardDisabledWhileTold);
    QVERIFY(g->game.board.Enabled());
    QCOMPARE(g->p.FigureFilePath, loaded);
    QCOMPARE(g->p.FigureCount, 3);
    QCOMPARE(g->p.CurrentFigure, 2);
    QCOMPARE(g->p.FigX[2][0], 2.0);
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
