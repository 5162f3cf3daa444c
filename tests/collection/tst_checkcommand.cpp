// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "collection/defaultpieceset.h"
#include "support/fixtures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Fixtures;

// The command line of the game, parsed and run as a user runs it: the real executable,
// without a display.
class TestCheckCommand : public QObject {
    Q_OBJECT
private slots:
    void parsing_data();
    void parsing();
    void windowSystemOptionsLeftToQt();
    void exitStatus_data();
    void exitStatus();
    void helpAndVersion_data();
    void helpAndVersion();

private:
    QTemporaryDir dir_;
};

void TestCheckCommand::parsing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("collection");
    using A = CommandLine::Action;
    QTest::newRow("nothing") << QStringList() << int(A::Play) << "";
    QTest::newRow("a collection") << QStringList{"my figures.pel"} << int(A::Play)
                                  << "my figures.pel";
    QTest::newRow("check") << QStringList{"--check", "a.pel"} << int(A::Check) << "a.pel";
    QTest::newRow("check without file") << QStringList{"--check"} << int(A::Usage) << "";
    QTest::newRow("check two files") << QStringList{"--check", "a", "b"} << int(A::Usage) << "";
    QTest::newRow("help") << QStringList{"--help"} << int(A::Help) << "";
    QTest::newRow("version") << QStringList{"--version"} << int(A::Version) << "";
    QTest::newRow("unknown option") << QStringList{"--colour"} << int(A::Usage) << "";
    QTest::newRow("two collections") << QStringList{"a.pel", "b.pel"} << int(A::Usage) << "";
}

void TestCheckCommand::parsing() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, collection);
    const CommandLine c = parseCommandLine(arguments);
    QCOMPARE(int(c.action), action);
    QCOMPARE(c.collection, collection);
    QCOMPARE(c.error.isEmpty(), c.action != CommandLine::Action::Usage);
}

void TestCheckCommand::windowSystemOptionsLeftToQt() {
    QByteArrayList raw{"zederoru", "-platform", "offscreen", "my figures.pel",
                       "-reverse", "-style",    "fusion"};
    std::vector<char*> argv;
    for (QByteArray& a : raw)
        argv.push_back(a.data());
    const QStringList arguments = commandArguments(int(argv.size()), argv.data());
    QCOMPARE(arguments, QStringList{"my figures.pel"});
    QCOMPARE(int(parseCommandLine(arguments).action), int(CommandLine::Action::Play));
}

void TestCheckCommand::exitStatus_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no such file, or one of these kinds
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("lastLine"); // empty: the error that starts with this
    QTest::addColumn<QString>("error");
    const QByteArray good =
        "1,60,60,4,60,156,4,156,60,2,156,204,0,204,204,0,204,156,4,156,156,6,156,156";
    const QString cannot = QStringLiteral("zederoru: cannot read ") + dir_.filePath("c.pel");
    QTest::newRow("clean") << collection(DefaultPieceSet(), {good}) << 0
                           << "c.pel: 1 figure checked, no problems found"
                           << "";
    QTest::newRow("duplicate") << collection(DefaultPieceSet(), {good, good}) << 1
                               << "c.pel: 2 figures checked, 1 problem found"
                               << "";
    QTest::newRow("missing file") << QByteArray() << 1 << "" << cannot;
    QTest::newRow("a named pipe") << QByteArray("pipe") << 1 << ""
                                  << cannot + ": it is a named pipe, not a file";
    QTest::newRow("a device") << QByteArray("device") << 1 << ""
                              << cannot + ": it is a device, not a file";
}

void TestCheckCommand::exitStatus() {
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    QFETCH(QString, lastLine);
    QFETCH(QString, error);
    const QString path = dir_.filePath(QStringLiteral("c.pel"));
    QFile::remove(path);
    if (content == "pipe" || content == "device")
        putNoCollection(path, QString::fromLatin1(content));
    else if (!content.isEmpty())
        writeFile(path, content);
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    run.setProcessEnvironment(env);
    run.start(QStringLiteral(ZEDERORU_EXECUTABLE), {QStringLiteral("--check"), path});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), status);
    const QStringList out = QString::fromLocal8Bit(run.readAllStandardOutput())
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lastLine.isEmpty()) {
        QVERIFY(out.isEmpty());
        QVERIFY(QString::fromLocal8Bit(run.readAllStandardError()).startsWith(error));
    } else {
        QCOMPARE(out.last(), lastLine);
    }
}

void TestCheckCommand::helpAndVersion_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("start");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Zederoru " ZEDERORU_VERSION "\n";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: zederoru [FILE.pel]\n";
    QTest::newRow("bad option") << QStringList{"--nonsense"} << 2 << "";
}

void TestCheckCommand::helpAndVersion() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, start);
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    QCOMPARE(runWithoutWindow(parseCommandLine(arguments), out, err), status);
    out.flush();
    err.flush();
    QCOMPARE(outText.left(start.size()), start);
    QCOMPARE(errText.isEmpty(), status == 0);
}

QTEST_APPLESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
