// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/composing.h"
#include "collection/figurenames.h"
#include "collection/removing.h"
#include "puzzle/figurefile.h"
#include "support/collectiongame.h"
#include "support/fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace Fixtures;
using Answer = MessageBoxes::Answer;

namespace {

// Figure records told apart by where piece 6 stands.
QByteArray figure(int n, int variant) {
    Placement p = spread(10, 10);
    p[6][1] += 2 * variant;
    return record(n, 10, 10, p);
}

QByteArray withLabel(const QByteArray& label, const QList<QByteArray>& lines) {
    QByteArray out = syntheticHeader() + label + "\r\n";
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

QList<QByteArray> figures(const QList<int>& variants) {
    QList<QByteArray> out;
    for (qsizetype i = 0; i < variants.size(); ++i)
        out.append(figure(static_cast<int>(i + 1), variants.at(i)));
    return out;
}

} // namespace

class TestRemoving : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void removesAndRenumbers_data();
    void removesAndRenumbers();
    void namesFollowRemovalAndCopies();
    void removingTheOnlyFigureLeavesHeaderAndLabel();
    void answerNoChangesNothing();
    void removalWritesNothingButTheCollection();
    void recordsTheLoaderSkipsAreKept();
    void changedOnDisk();
    void failuresKeepTheCollection_data();
    void failuresKeepTheCollection();
    void saveAsRefusesTheLoadedFileUnderAnyName_data();
    void saveAsRefusesTheLoadedFileUnderAnyName();
    void saveAsOntoAnotherFile_data();
    void saveAsOntoAnotherFile();
    void saveAsFailuresKeepTheTarget();
    void saveAsKeepsWorkingOnTheLoadedFile();

private:
    std::unique_ptr<CollectionGame> g;
};

void TestRemoving::init() {
    g = std::make_unique<CollectionGame>();
    QVERIFY(g->start(withLabel("Test figures,second field", figures({0, 1, 2, 3, 4}))));
}

void TestRemoving::cleanup() {
    SafeWrite::stopFailing();
}

void TestRemoving::removesAndRenumbers_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<int>("currentAfter");
    QTest::newRow("first") << 1 << QList<int>{1, 2, 3, 4} << 1;
    QTest::newRow("middle") << 3 << QList<int>{0, 1, 3, 4} << 3;
    QTest::newRow("last") << 5 << QList<int>{0, 1, 2, 3} << 4;
}

void TestRemoving::removesAndRenumbers() {
    QFETCH(int, current);
    QFETCH(QList<int>, left);
    QFETCH(int, currentAfter);
    g->p.CurrentFigure = current;
    RemoveFigure(g->p);
    QCOMPARE(g->messages.texts(),
             QStringList{QStringLiteral("Remove this Pelorin ( %1) ?").arg(current)});
    QCOMPARE(g->messages.shown.first().buttons, MessageBoxes::Buttons::YesNo);
    QVERIFY(g->messages.shown.first().defaultNo); // Enter must not delete a figure
    QCOMPARE(g->collectionBytes(), withLabel("Test figures", figures(left)));
    QCOMPARE(g->p.FigureCount, 4);
    QCOMPARE(g->p.CurrentFigure, currentAfter);
    QCOMPARE(g->p.FigX[currentAfter][6], 96.0 + 2 * left.at(currentAfter - 1));
    QCOMPARE(g->p.TargetCaption(), QStringLiteral("Pelorin (%1 of 4)").arg(currentAfter));
}

void TestRemoving::namesFollowRemovalAndCopies() {
    const QString names = FigureNames::pathFor(g->collectionPath());
    writeFile(names, "One\nTwo\nThree\nFour\nFive\n");
    g->p.CurrentFigure = 2;
    RemoveFigure(g->p);
    QCOMPARE(readFile(names), QByteArray("One\nThree\nFour\nFive\n"));
    QCOMPARE(FigureNames::read(g->collectionPath()), (QStringList{"One", "Three", "Four", "Five"}));
    // Save As takes the names along, and drops those of the collection it replaces.
    const QString copy = g->path(QStringLiteral("copy.pel"));
    g->dialogs.answers = {copy};
    SaveFigureFileAs(g->p, g->dialogs);
    QCOMPARE(readFile(FigureNames::pathFor(copy)), readFile(names));
    QFile::remove(names);
    g->messages.script = {Answer::Yes};
    g->dialogs.answers = {copy};
    SaveFigureFileAs(g->p, g->dialogs);
    QVERIFY(!QFile::exists(FigureNames::pathFor(copy)));
}

void TestRemoving::removingTheOnlyFigureLeavesHeaderAndLabel() {
    QVERIFY(g->start(withLabel("\"Quoted, label\",x", figures({7}))));
    RemoveFigure(g->p);
    QCOMPARE(g->collectionBytes(), syntheticHeader() + "\"Quoted, label\"\r\n");
    QCOMPARE(g->p.FigureCount, 0);
    QCOMPARE(g->p.CurrentFigure, 0);
    RemoveFigure(g->p); // nothing left to remove: no question
    QCOMPARE(g->messages.shown.size(), 1);
}

void TestRemoving::answerNoChangesNothing() {
    const QByteArray before = g->collectionBytes();
    g->p.CurrentFigure = 2;
    g->messages.script = {Answer::No};
    RemoveFigure(g->p);
    QCOMPARE(g->collectionBytes(), before);
    QCOMPARE(g->p.FigureCount, 5);
    QCOMPARE(g->p.CurrentFigure, 2);
}

void TestRemoving::removalWritesNothingButTheCollection() {
    // Links named like the old scratch file, where it went and where it might go.
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    writeFile(victim, "keep me");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    for (const QString& folder : {elsewhere.path(), g->folder.path()})
        QVERIFY(QFile::link(victim, QDir(folder).filePath(QStringLiteral("PelFile.tmp"))));
    g->p.CurrentFigure = 2;
    RemoveFigure(g->p);
    QDir::setCurrent(previous);
    QCOMPARE(g->p.FigureCount, 4);
    QCOMPARE(readFile(victim), QByteArray("keep me"));
    // No scratch copy, temporary file or lock is left beside the collection.
    QCOMPARE(QDir(g->folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             (QStringList{"PelFile.tmp", "PELORIN.pel", "Zederoru.cfg"}));
}

void TestRemoving::recordsTheLoaderSkipsAreKept() {
    // Numbers out of order, a record numbered 0, a broken line and blanks in a record.
    const QList<QByteArray> lines{figure(9, 0), figure(0, 5), "not a record", figure(3, 1),
                                  "2, 10,10" + figure(2, 2).mid(7)};
    QVERIFY(g->start(withLabel("Test figures", lines)));
    QCOMPARE(g->p.FigureCount, 3);
    g->p.CurrentFigure = 2;
    RemoveFigure(g->p);
    QCOMPARE(g->collectionBytes(),
             withLabel("Test figures", {figure(1, 0), figure(0, 5), "not a record", lines.last()}));
    QCOMPARE(g->p.FigX[2][6], 100.0);
}

void TestRemoving::changedOnDisk() {
    // Another program put a figure in front: figure 2 on disk is not the one shown.
    const QByteArray inserted =
        withLabel("Test figures", QList<QByteArray>{figure(1, 9)} + figures({0, 1, 2}));
    writeFile(g->collectionPath(), inserted);
    g->p.CurrentFigure = 2;
    RemoveFigure(g->p);
    QCOMPARE(g->collectionBytes(), inserted);
    QVERIFY(g->messages.texts().last().contains(QStringLiteral("another program")));
    QCOMPARE(g->p.FigureCount, 5);
    QCOMPARE(g->p.CurrentFigure, 2);

    // Another program appended a figure: the shown one is still in its place and goes.
    const QByteArray appended = withLabel("Test figures", figures({0, 1, 2, 3, 4, 5}));
    writeFile(g->collectionPath(), appended);
    RemoveFigure(g->p);
    QCOMPARE(g->collectionBytes(), withLabel("Test figures", figures({0, 2, 3, 4, 5})));
    QCOMPARE(g->p.FigureCount, 5);
}

void TestRemoving::failuresKeepTheCollection_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    const std::pair<const char*, const char*> rows[] = {{"read-only", "read-only"},
                                                        {"folder", "folder"},
                                                        {"full 0", "No space left on device"},
                                                        {"full 1500", "No space left on device"},
                                                        {"denied", "Permission denied"},
                                                        {"pipe", "it is a named pipe"},
                                                        {"busy", "it is busy"}};
    for (const auto& [fault, reason] : rows)
        QTest::newRow(fault) << QString(fault) << QString(reason);
}

void TestRemoving::failuresKeepTheCollection() {
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    const QString path = g->collectionPath();
    const QByteArray before = g->collectionBytes();
    std::optional<DiskFullAfter> full;
    if (fault == QStringLiteral("read-only"))
        QFile::setPermissions(path, QFile::ReadOwner);
    if (fault == QStringLiteral("folder")) {
        QFile::remove(path);
        QDir(g->folder.path()).mkdir(QStringLiteral("PELORIN.pel"));
    }
    if (fault.startsWith(QStringLiteral("full")))
        full.emplace(fault.mid(5).toLongLong());
    if (fault == QStringLiteral("denied"))
        full.emplace(0, EACCES);
    if (fault == QStringLiteral("pipe")) // another program swapped it
        putNoCollection(path, fault);
    std::optional<SafeWrite::FileLock> otherGame;
    if (fault == QStringLiteral("busy"))
        QVERIFY(otherGame.emplace(path).acquire(nullptr));
    g->p.CurrentFigure = 3;
    RemoveFigure(g->p);
    QCOMPARE(g->messages.shown.size(), 2);
    const QString told = g->messages.texts().last();
    QVERIFY2(told.startsWith(QStringLiteral("Pelorin not removed from file:\n\r") + path),
             qPrintable(told));
    QVERIFY2(told.contains(reason), qPrintable(told));
    QCOMPARE(g->p.FigureCount, 5);
    QCOMPARE(g->p.CurrentFigure, 3);
    if (fault != QStringLiteral("folder") && fault != QStringLiteral("pipe"))
        QCOMPARE(g->collectionBytes(), before);
}

void TestRemoving::saveAsRefusesTheLoadedFileUnderAnyName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same name") << "PELORIN.pel" << true;
    QTest::newRow("relative form") << "./sub/../PELORIN.pel" << true;
    QTest::newRow("symbolic link") << "link.pel" << true;
    QTest::newRow("hard link") << "hard.pel" << true;
    // Where letter case matters, as in the player's folder here, it names another file.
    QTest::newRow("other case") << "pelorin.PEL" << false;
}

void TestRemoving::saveAsRefusesTheLoadedFileUnderAnyName() {
    QFETCH(QString, name);
    QFETCH(bool, refused);
    const QString path = g->collectionPath();
    const QByteArray before = g->collectionBytes();
    QDir(g->folder.path()).mkdir(QStringLiteral("sub"));
    QFile::link(path, g->path(QStringLiteral("link.pel")));
    QVERIFY(::link(QFile::encodeName(path).constData(),
                   QFile::encodeName(g->path(QStringLiteral("hard.pel"))).constData()) == 0);
    g->dialogs.answers = {g->folder.path() + QLatin1Char('/') + name};
    SaveFigureFileAs(g->p, g->dialogs);
    QCOMPARE(g->messages.texts().first().contains(QStringLiteral("already loaded")), refused);
    if (refused)
        QCOMPARE(g->messages.texts(),
                 QStringList{QStringLiteral("file:") + path +
                             QStringLiteral("\r\nalready loaded and saved, use another filename "
                                            "to save as")});
    QCOMPARE(g->collectionBytes(), before);
    QCOMPARE(readFile(g->path(QStringLiteral("pelorin.pel"))), refused ? QByteArray() : before);
}

void TestRemoving::saveAsOntoAnotherFile_data() {
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("copied");
    QTest::newRow("new file") << QByteArray() << Answer::Yes << false << true;
    QTest::newRow("empty file") << QByteArray("") << Answer::Yes << false << true;
    QTest::newRow("existing, No") << QByteArray("keep me") << Answer::No << true << false;
    QTest::newRow("existing, Yes") << QByteArray("replace me") << Answer::Yes << true << true;
}

void TestRemoving::saveAsOntoAnotherFile() {
    QFETCH(QByteArray, existing);
    QFETCH(Answer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, copied);
    const QString target = g->path(QStringLiteral("Kopie ü.pel"));
    if (!existing.isNull())
        writeFile(target, existing);
    g->dialogs.answers = {g->path(QStringLiteral("Kopie ü.txt"))};
    g->messages.script = {answer};
    SaveFigureFileAs(g->p, g->dialogs);
    QVERIFY(g->dialogs.requests.first().saveMode);
    const QString question = target + QStringLiteral("\n\r file already exists, overwrite?");
    QCOMPARE(g->messages.texts().contains(question), asked);
    if (asked)
        QVERIFY(g->messages.shown.first().defaultNo);
    QCOMPARE(readFile(target), copied ? g->collectionBytes() : existing);
    const QString done = g->collectionPath() + QStringLiteral("\n\rcopied as:\n\r") + target;
    QCOMPARE(g->messages.texts().contains(done), copied);
}

void TestRemoving::saveAsFailuresKeepTheTarget() {
    const QString target = g->path(QStringLiteral("copy.pel"));
    writeFile(target, "old copy");
    {
        DiskFullAfter full(1000);
        g->dialogs.answers = {target};
        SaveFigureFileAs(g->p, g->dialogs);
    }
    QCOMPARE(readFile(target), QByteArray("old copy"));
    QVERIFY(g->messages.texts().last().contains(QStringLiteral("No space left on device")));
    QVERIFY(!g->messages.texts().join(' ').contains(g->collectionPath() +
                                                    QStringLiteral("\n\rcopied as:")));

    g->messages.shown.clear();
    g->dialogs.answers = {g->path(QStringLiteral("missing/copy.pel"))};
    SaveFigureFileAs(g->p, g->dialogs);
    QCOMPARE(g->messages.texts().size(), 1);
    QVERIFY(g->messages.texts().first().startsWith(
        QStringLiteral("Pelorin file not copied as:\n\r") + g->path(QStringLiteral("missing"))));

    g->messages.shown.clear();
    SaveFigureFileAs(g->p, g->dialogs); // cancelled
    QVERIFY(g->messages.shown.isEmpty());
}

void TestRemoving::saveAsKeepsWorkingOnTheLoadedFile() {
    const QString loaded = g->p.FigureFilePath;
    g->dialogs.answers = {g->path(QStringLiteral("copy.pel"))};
    SaveFigureFileAs(g->p, g->dialogs);
    QCOMPARE(g->p.FigureFilePath, loaded);
    g->arrange(spread(20, 20));
    g->messages.shown.clear();
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts().first(),
             QStringLiteral("Append this Pelorin to file:\n\r") + loaded + QStringLiteral(" ?"));
    QCOMPARE(FigureFile::splitLines(g->collectionBytes()).size(), 71);
    QCOMPARE(FigureFile::splitLines(readFile(g->path(QStringLiteral("copy.pel")))).size(), 70);
}

QTEST_MAIN(TestRemoving)
#include "tst_removing.moc"
