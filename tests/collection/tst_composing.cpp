// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/composing.h"
#include "collection/figurenames.h"
#include "platform/safewrite.h"
#include "support/collectiongame.h"
#include "support/fixtures.h"

#include <QFile>
#include <QStorageInfo>
#include <QTest>
#include <sys/mount.h>

using namespace Fixtures;
using Answer = MessageBoxes::Answer;

namespace {

// Seven 48-pixel squares of the synthetic set, touching edge to edge on a 4 x 2 grid.
Placement grid(int x, int y) {
    return spread(x, y);
}

// The grid with pieces 4 to 6 in a row of their own, apart from the other four.
Placement twoClusters() {
    Placement two = grid(20, 20);
    for (std::size_t i : {4, 5, 6})
        two[i] = {0, 20 + 48 * (static_cast<int>(i) - 4), 250};
    return two;
}

// Squares along a diagonal, each overlapping the next by `step` short of 48 pixels.
Placement diagonal(int step) {
    Placement p{};
    for (int i = 0; i < 7; ++i)
        p[static_cast<std::size_t>(i)] = {0, 20 + step * i, 20 + step * i};
    return p;
}

Placement moved(Placement p, int piece, int x, int y) {
    p[static_cast<std::size_t>(piece)] = {p[static_cast<std::size_t>(piece)][0], x, y};
    return p;
}

QByteArray twoFigures() {
    return collection(syntheticHeader(),
                      {record(1, 10, 10, spread(10, 10)), record(0, 1, 1, spread(1, 1)),
                       record(2, 10, 10, spread(10, 10))});
}

// The record AppendFigure writes for grid(x, y) of the synthetic set.
QByteArray gridRecord(int n, int x, int y) {
    return record(n, x + 10, y + 10, spread(x + 10, y + 10));
}

const QString Isolated = QStringLiteral("A block appears isolated !\n\rProceed anyway ?");
const QString Cluster = QStringLiteral("A cluster of blocks appear isolated !\n\rProceed anyway ?");
const QString Sparse =
    QStringLiteral("Pelorin appears sparse; may be too easy to solve !\n\rAppend anyway ?");

} // namespace

class TestComposing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void appendWritesOneRecordAndShowsItAsTheNewFigure();
    void appendGivesTheNewFigureAnEmptyName_data();
    void appendGivesTheNewFigureAnEmptyName();
    void appendToTheHeaderAloneWritesALabelFirst_data();
    void appendToTheHeaderAloneWritesALabelFirst();
    void copyThenAppendKeepsTheFiguresOffsets();
    void sizeLimitIs320Pixels_data();
    void sizeLimitIs320Pixels();
    void fifthOutlinePointCountsInTheBox();
    void connection_data();
    void connection();
    void isolatedPieceIsHighlightedAndAskedOnce();
    void questionCancelledChangesNothing_data();
    void questionCancelledChangesNothing();
    void previewShowsSilhouetteInYellowBox();
    void sparseArrangementMayBeAppended();
    void coverageArithmetic_data();
    void coverageArithmetic();
    void fullCollectionIsRefused();
    void wideFigureIsShownWholeInTheTarget();
    void otherProgramsChangesAreKept();
    void fileSystemFailuresChangeNothing_data();
    void fileSystemFailuresChangeNothing();
    void diskFullAtEveryPointOfTheRewrite();
    void realFullDisk_data();
    void realFullDisk();

private:
    void expectUnchanged();
    std::unique_ptr<CollectionGame> g;
};

void TestComposing::init() {
    g = std::make_unique<CollectionGame>();
    QVERIFY(g->start(twoFigures()));
}

void TestComposing::cleanup() {
    SafeWrite::stopFailing();
}

void TestComposing::expectUnchanged() {
    QCOMPARE(g->collectionBytes(), twoFigures());
    QCOMPARE(g->p.FigureCount, 2);
    QCOMPARE(g->p.CurrentFigure, 1);
}

void TestComposing::appendWritesOneRecordAndShowsItAsTheNewFigure() {
    g->arrange(grid(100, 120));
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts(), QStringList{QStringLiteral("Append this Pelorin to file:\n\r") +
                                              g->collectionPath() + QStringLiteral(" ?")});
    QCOMPARE(g->messages.shown.first().buttons, MessageBoxes::Buttons::OkCancel);
    // The skipped record takes no number: the new figure is the third.
    QCOMPARE(g->collectionBytes(), twoFigures() + gridRecord(3, 100, 120) + "\r\n");
    QCOMPARE(g->p.FigureCount, 3);
    QCOMPARE(g->p.CurrentFigure, 3);
    QCOMPARE(g->p.TargetCaption(), QStringLiteral("Pelorin (3 of 3)"));
    QCOMPARE(g->p.PieceX[0], 100.0); // the pieces stay where the player left them
}

void TestComposing::appendGivesTheNewFigureAnEmptyName_data() {
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("one name a figure")
        << QByteArray("Cat\r\nDog\r\n") << QByteArray("Cat\nDog\n\n");
    QTest::newRow("names short of the figures") << QByteArray("Cat") << QByteArray("Cat\n\n\n");
}

void TestComposing::appendGivesTheNewFigureAnEmptyName() {
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, after);
    const QString path = FigureNames::pathFor(g->collectionPath());
    writeFile(path, names);
    g->arrange(grid(100, 120));
    AppendFigure(g->p);
    QCOMPARE(g->p.FigureCount, 3);
    QCOMPARE(readFile(path), after);
}

void TestComposing::appendToTheHeaderAloneWritesALabelFirst_data() {
    QTest::addColumn<QByteArray>("collection");
    QTest::newRow("64 lines") << syntheticHeader();
    QTest::newRow("the last without its line end") << syntheticHeader().chopped(2);
}

void TestComposing::appendToTheHeaderAloneWritesALabelFirst() {
    QFETCH(QByteArray, collection);
    QVERIFY(g->start(collection));
    g->arrange(grid(20, 20));
    AppendFigure(g->p);
    QCOMPARE(g->collectionBytes(),
             syntheticHeader() + "Zederoru figures\r\n" + gridRecord(1, 20, 20) + "\r\n");
    QCOMPARE(g->p.TargetCaption(), QStringLiteral("Pelorin (1 of 1)"));
}

void TestComposing::copyThenAppendKeepsTheFiguresOffsets() {
    QVERIFY(g->start(readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"))));
    const int figures = g->p.FigureCount;
    for (int f : {2, 5, figures}) {
        g->p.CurrentFigure = f;
        CopyFigure(g->p);
        QCOMPARE(g->p.CopiedFlag, 1);
        AppendFigure(g->p);
        const int added = g->p.FigureCount;
        QCOMPARE(g->p.CurrentFigure, added);
        for (std::size_t k = 0; k < 7; ++k) {
            QCOMPARE(g->p.FigOrient[added][k], g->p.FigOrient[f][k]);
            QCOMPARE(g->p.FigX[added][k] - g->p.FigX[added][0], g->p.FigX[f][k] - g->p.FigX[f][0]);
            QCOMPARE(g->p.FigY[added][k] - g->p.FigY[added][0], g->p.FigY[f][k] - g->p.FigY[f][0]);
        }
    }
    QCOMPARE(g->p.FigureCount, figures + 3);
}

void TestComposing::sizeLimitIs320Pixels_data() {
    QTest::addColumn<QPoint>("lastPiece");
    QTest::addColumn<bool>("refused");
    // All pieces on one 48-pixel square at (20, 20) but the last: the box grows with it.
    QTest::newRow("width 320") << QPoint(20 + 320 - 48, 20) << false;
    QTest::newRow("width 321") << QPoint(20 + 321 - 48, 20) << true;
    QTest::newRow("height 320") << QPoint(20, 20 + 320 - 48) << false;
    QTest::newRow("height 321") << QPoint(20, 20 + 321 - 48) << true;
}

void TestComposing::sizeLimitIs320Pixels() {
    QFETCH(QPoint, lastPiece);
    QFETCH(bool, refused);
    Placement p{};
    p.fill({0, 20, 20});
    g->arrange(moved(p, 6, lastPiece.x(), lastPiece.y()));
    g->messages.script = {Answer::Ok, Answer::Ok, Answer::Ok};
    AppendFigure(g->p);
    const QString tooBig = QStringLiteral("Pelorin is too wide or too tall");
    if (refused) {
        QCOMPARE(g->messages.texts(), QStringList{tooBig});
        QCOMPARE(g->messages.shown.first().caption, QString()); // the application's title
        expectUnchanged();
    } else {
        QVERIFY(!g->messages.texts().contains(tooBig));
        QCOMPARE(g->p.FigureCount, 3);
    }
}

void TestComposing::fifthOutlinePointCountsInTheBox() {
    g->arrange(grid(20, 20));
    // The fifth point is never drawn; here it lies 400 pixels right of piece 6's origin.
    g->p.Shape[6][0][9] = 400;
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts(), QStringList{QStringLiteral("Pelorin is too wide or too tall")});
}

void TestComposing::connection_data() {
    QTest::addColumn<Placement>("pieces");
    QTest::addColumn<int>("result");
    QTest::newRow("grid, edges touch") << grid(20, 20) << -1;
    QTest::newRow("corners touch") << diagonal(48) << -1;
    QTest::newRow("4-pixel gaps") << diagonal(52) << 0;
    QTest::newRow("piece 5 apart") << moved(grid(20, 20), 5, 250, 250) << 5;
    QTest::newRow("pieces 2 and 6 apart")
        << moved(moved(grid(20, 20), 6, 250, 250), 2, 20, 250) << 2;
    QTest::newRow("two clusters") << twoClusters() << -99;
}

void TestComposing::connection() {
    QFETCH(Placement, pieces);
    QFETCH(int, result);
    g->arrange(pieces);
    QCOMPARE(CheckConnection(g->p), result);
}

void TestComposing::isolatedPieceIsHighlightedAndAskedOnce() {
    g->arrange(moved(moved(grid(20, 20), 6, 250, 250), 2, 20, 250));
    std::optional<ColourValue> shownColour;
    std::optional<std::int16_t> levelWhileAsked;
    g->messages.whileShown = [&](const MessageBoxes::Message& m) {
        if (m.text != Isolated)
            return;
        shownColour = g->game.board.Point(20 + 10 + 24, 250 + 10 + 24);
        levelWhileAsked = g->p.PlayLevel;
    };
    g->messages.script = {Answer::Ok, Answer::Cancel};
    AppendFigure(g->p);
    // Only the lower piece is named, in its own colour as in Very easy play; after OK no
    // cluster question follows.
    QCOMPARE(shownColour, std::optional<ColourValue>(QBColor(g->p.PieceColour[2])));
    QCOMPARE(levelWhileAsked, std::optional<std::int16_t>(1));
    QCOMPARE(g->p.PlayLevel, std::int16_t(3));
    QCOMPARE(g->messages.texts().size(), 2);
    QCOMPARE(g->messages.texts().first(), Isolated);
    expectUnchanged();
}

void TestComposing::questionCancelledChangesNothing_data() {
    QTest::addColumn<Placement>("pieces");
    QTest::addColumn<QString>("question");
    QTest::newRow("cluster") << twoClusters() << Cluster;
    QTest::newRow("sparse") << diagonal(44) << Sparse;
}

void TestComposing::questionCancelledChangesNothing() {
    QFETCH(Placement, pieces);
    QFETCH(QString, question);
    g->arrange(pieces);
    g->messages.script = {Answer::Cancel};
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts(), QStringList{question});
    expectUnchanged();
    // Abandoning redraws the pieces where they were.
    QCOMPARE(g->game.board.Point(10 + pieces[6][1] + 24, 10 + pieces[6][2] + 24),
             g->p.SilhouetteColour);
}

void TestComposing::previewShowsSilhouetteInYellowBox() {
    g->arrange(grid(40, 60));
    QImage preview;
    g->messages.whileShown = [&](const MessageBoxes::Message&) {
        preview = g->game.board.image().copy();
    };
    g->messages.script = {Answer::Cancel};
    AppendFigure(g->p);
    const QRgb yellow = toQRgb(QBColor(14));
    const int left = 50, top = 70, right = 50 + 192, bottom = 70 + 96;
    for (QPoint corner :
         {QPoint(left, top), QPoint(right, bottom), QPoint(left, bottom), QPoint(right, top + 10)})
        QCOMPARE(preview.pixel(corner), yellow);
    QCOMPARE(preview.pixel(left + 24, top + 24), toQRgb(g->p.SilhouetteColour));
    QCOMPARE(preview.pixel(right - 24, bottom - 24), toQRgb(g->p.BoardBack)); // no 8th square
    expectUnchanged();
    QVERIFY(g->game.board.Point(left, top) != QBColor(14)); // gone after Cancel
}

void TestComposing::sparseArrangementMayBeAppended() {
    g->arrange(diagonal(44));
    g->messages.script = {Answer::Ok, Answer::Ok};
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts().first(), Sparse);
    QCOMPARE(g->p.FigureCount, 3);
}

void TestComposing::coverageArithmetic_data() {
    QTest::addColumn<int>("covered");
    QTest::addColumn<double>("percent");
    // A 99 x 101 box: 9999 pixels, so covered c gives floor(100 c / 10000).
    QTest::newRow("1999 covered, 8000 background") << 1999 << 19.0;
    QTest::newRow("2000 covered") << 2000 << 20.0;
    QTest::newRow("everything") << 9999 << 99.0;
}

void TestComposing::coverageArithmetic() {
    QFETCH(int, covered);
    QFETCH(double, percent);
    Surface ink(400, 400, QBColor(0));
    Surface& board = g->game.board;
    board.Cls();
    // An empty source rectangle would mean the whole image.
    if (covered >= 101)
        board.CopyFrom(ink, QRect(0, 0, covered / 101, 101), QPoint(10, 10));
    if (covered % 101 > 0)
        board.CopyFrom(ink, QRect(0, 0, 1, covered % 101), QPoint(10 + covered / 101, 10));
    QCOMPARE(CoveragePercent(g->p, 10, 10, 108, 110), percent);
}

void TestComposing::fullCollectionIsRefused() {
    QList<QByteArray> records = numbered(500);
    QVERIFY(g->start(collection(syntheticHeader(), records)));
    QCOMPARE(g->p.FigureCount, 500);
    const QByteArray before = g->collectionBytes();
    g->arrange(grid(20, 20));
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts().size(), 1);
    QVERIFY(g->messages.texts().first().contains(QStringLiteral("500")));
    QCOMPARE(g->collectionBytes(), before);
    QCOMPARE(g->p.FigureCount, 500);

    // Loaded with 499, but another program brought the file to 500 meanwhile.
    records.removeLast();
    QVERIFY(g->start(collection(syntheticHeader(), records)));
    const QByteArray full =
        collection(syntheticHeader(), records) + record(500, 10, 10, spread(10, 10)) + "\r\n";
    for (const QByteArray& onDisk : {full, full + record(501, 10, 10, spread(10, 10))}) {
        writeFile(g->collectionPath(), onDisk);
        g->messages.shown.clear();
        AppendFigure(g->p);
        QCOMPARE(g->collectionBytes(), onDisk);
        QCOMPARE(g->p.FigureCount, 499);
        QVERIFY2(g->messages.texts().last().contains(QStringLiteral("500 Pelorins")),
                 qPrintable(g->messages.texts().last()));
    }
}

void TestComposing::wideFigureIsShownWholeInTheTarget() {
    Placement row{};
    for (int i = 0; i < 7; ++i)
        row[static_cast<std::size_t>(i)] = {0, 20 + 272 * i / 6, 20 + 2 * i};
    g->arrange(row); // 320 pixels wide, wider than the target view
    AppendFigure(g->p);
    QCOMPARE(g->p.CurrentFigure, 3);
    const QImage& view = g->game.targetView.image();
    const QRgb silhouette = toQRgb(g->p.SilhouetteColour);
    int left = view.width(), right = -1, top = view.height(), bottom = -1;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            if (view.pixel(x, y) != silhouette)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    // Whole inside the visible 233 x 240 pixels, with margins, and not shrunk more than
    // needed.
    QVERIFY2(left >= 2 && right <= 232 && top >= 2 && bottom <= 239,
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(left).arg(right).arg(top).arg(bottom)));
    QVERIFY(right - left >= 215);
    QVERIFY(std::abs((left + right) - 233) <= 6); // centred
}

void TestComposing::otherProgramsChangesAreKept() {
    // Another program appended a figure, without a line end, after the game loaded the file.
    const QByteArray edited = twoFigures() + record(7, 10, 10, spread(10, 10));
    writeFile(g->collectionPath(), edited);
    g->arrange(grid(20, 20));
    AppendFigure(g->p);
    QCOMPARE(g->collectionBytes(), edited + "\r\n" + gridRecord(4, 20, 20) + "\r\n");
    QCOMPARE(g->p.FigureCount, 4);
    QCOMPARE(g->p.CurrentFigure, 4);
    QCOMPARE(g->p.FigX[4][1], 48.0);
}

void TestComposing::fileSystemFailuresChangeNothing_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    const std::pair<const char*, const char*> rows[] = {{"read-only", "read-only"},
                                                        {"folder", "folder"},
                                                        {"deleted", "No such file"},
                                                        {"missing folder", ""},
                                                        {"garbage", "not a Pelorin file"},
                                                        {"pipe", "it is a named pipe"},
                                                        {"busy", "it is busy"}};
    for (const auto& [fault, reason] : rows)
        QTest::newRow(fault) << QString(fault) << QString(reason);
}

void TestComposing::fileSystemFailuresChangeNothing() {
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    const QString path = g->collectionPath();
    QByteArray before = g->collectionBytes();
    if (fault == QStringLiteral("read-only"))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    if (fault == QStringLiteral("folder") || fault == QStringLiteral("deleted"))
        QFile::remove(path);
    if (fault == QStringLiteral("folder"))
        QVERIFY(QDir(g->folder.path()).mkdir(QStringLiteral("PELORIN.pel")));
    if (fault == QStringLiteral("missing folder"))
        g->p.FigureFilePath = g->path(QStringLiteral("gone/PELORIN.pel"));
    if (fault == QStringLiteral("garbage"))
        writeFile(path, before = "not a collection\r\n");
    if (fault == QStringLiteral("pipe")) // another program swapped it
        putNoCollection(path, fault);
    std::optional<SafeWrite::FileLock> otherGame;
    if (fault == QStringLiteral("busy"))
        QVERIFY(otherGame.emplace(path).acquire(nullptr));
    g->arrange(grid(20, 20));
    AppendFigure(g->p);
    otherGame.reset();
    QCOMPARE(g->messages.texts().size(), 2); // the confirmation, then the failure
    const MessageBoxes::Message& told = g->messages.shown.last();
    QVERIFY2(told.text.startsWith(QStringLiteral("Pelorin not appended to file:\n\r") +
                                  g->p.FigureFilePath + QStringLiteral("\n\r")),
             qPrintable(told.text));
    QVERIFY2(told.text.contains(reason), qPrintable(told.text));
    QCOMPARE(told.icon, MessageBoxes::Icon::Warning);
    QCOMPARE(g->p.FigureCount, 2);
    QCOMPARE(g->p.CurrentFigure, 1);
    if (fault == QStringLiteral("read-only") || fault == QStringLiteral("garbage") ||
        fault == QStringLiteral("busy"))
        QCOMPARE(g->collectionBytes(), before);
    const bool gone = fault == QStringLiteral("folder") || fault == QStringLiteral("deleted") ||
                      fault == QStringLiteral("pipe");
    QCOMPARE(QDir(g->folder.path()).entryList(QDir::Files).size(), gone ? 1 : 2);
}

void TestComposing::diskFullAtEveryPointOfTheRewrite() {
    const QByteArray before = g->collectionBytes();
    g->arrange(grid(20, 20));
    const qint64 whole = before.size() + gridRecord(3, 20, 20).size() + 2;
    for (qint64 n : {qint64(0), qint64(1), before.size() / 2, qint64(before.size()), whole - 1}) {
        DiskFullAfter full(n);
        g->messages.shown.clear();
        AppendFigure(g->p);
        QCOMPARE(g->messages.texts().size(), 2); // the confirmation, then the failure
        QVERIFY(g->messages.texts().last().contains(QStringLiteral("No space left on device")));
        expectUnchanged();
    }
    AppendFigure(g->p);
    QCOMPARE(g->collectionBytes().size(), whole);
}

void TestComposing::realFullDisk_data() {
    QTest::addColumn<bool>("roomLeft");
    QTest::newRow("full part-way through the write") << true;
    QTest::newRow("full before the lock file") << false;
}

void TestComposing::realFullDisk() {
    QFETCH(bool, roomLeft);
    QTemporaryDir mountPoint;
    if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0,
                "size=64k") != 0)
        QSKIP("this process may not mount a small tmpfs (needs CAP_SYS_ADMIN)");
    struct Unmount {
        QString at;
        ~Unmount() { ::umount2(QFile::encodeName(at).constData(), MNT_DETACH); }
    } unmount{mountPoint.path()};
    const QString path = mountPoint.filePath(QStringLiteral("PELORIN.pel"));
    const QByteArray figures = collection(syntheticHeader(), numbered(150));
    writeFile(path, figures);
    QVERIFY(g->start(figures));
    g->p.FigureFilePath = path;
    // Room for half the new file, so that the disk fills part-way through the write, or none.
    QFile filler(mountPoint.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    const qint64 room = roomLeft ? figures.size() / 2 : 0;
    while (QStorageInfo(mountPoint.path()).bytesFree() > room &&
           filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    g->arrange(grid(20, 20));
    AppendFigure(g->p);
    QCOMPARE(g->messages.texts().size(), 2);
    const QString told = g->messages.texts().last();
    QVERIFY2(told.contains(path) && told.contains(QStringLiteral("No space left on device")),
             qPrintable(told));
    QCOMPARE(readFile(path), figures);
}

QTEST_MAIN(TestComposing)
#include "tst_composing.moc"
