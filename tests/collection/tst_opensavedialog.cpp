#include "collection/opensavedialog.h"
#include "platform/qtfiledialogs.h"
#include "support/dialogfakes.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using OpenSaveDialog::ForcedExtension;
using OpenSaveDialog::ShowFileDialog;

class TestOpenSaveDialog : public QObject {
    Q_OBJECT
private slots:
    void extensionRule_data();
    void extensionRule();
    void callersArguments_data();
    void callersArguments();
    void blankInitialNameIsLeftOut();
    void answers_data();
    void answers();
    void realOpenDialogListsCollectionsAndReturnsTheChosenFile();
    void realSaveDialogLeavesTheOverwriteQuestionToTheCaller();

private:
    // Runs request on the real dialog: inspect sees it once it is shown, then it is accepted
    // (after a screenshot named shot when ZEDERORU_SHOT_DIR names a folder).
    QString runRealDialog(const FileDialogs::Request& request, const QString& shot,
                          const std::function<void(QFileDialog&)>& inspect);
};

void TestOpenSaveDialog::extensionRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no extension") << "/home/ann/album"
                                  << "/home/ann/album.pel";
    QTest::newRow("other extension") << "/home/ann/album.txt"
                                     << "/home/ann/album.pel";
    QTest::newRow("capitals replaced") << "/home/ann/album.PEL"
                                       << "/home/ann/album.pel";
    QTest::newRow("already .pel") << "/home/ann/album.pel"
                                  << "/home/ann/album.pel";
    QTest::newRow("dot in folder, drive form") << "C:\\my.dir\\album"
                                               << "C:\\my.pel";
    QTest::newRow("dot in folder") << "/home/ann/my.dir/album"
                                   << "/home/ann/my.pel";
    QTest::newRow("longer extension") << "/home/ann/album.pelx"
                                      << "/home/ann/album.pel";
    QTest::newRow("several dots") << "/home/ann/a.b.c"
                                  << "/home/ann/a.b.pel";
    QTest::newRow("trailing dot") << "/home/ann/album."
                                  << "/home/ann/album.pel";
}

void TestOpenSaveDialog::extensionRule() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ForcedExtension(name, QStringLiteral("*.pel")), expected);
}

void TestOpenSaveDialog::callersArguments_data() {
    QTest::addColumn<int>("saveMode");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("flags");
    QTest::newRow("open") << 0 << "Pelorin files" << 0x1004;
    QTest::newRow("save") << 1 << "*.pel" << 0x4;
    QTest::newRow("save, any non-zero mode") << -1 << "*.pel" << 0x4;
}

void TestOpenSaveDialog::callersArguments() {
    QFETCH(int, saveMode);
    QFETCH(QString, filter);
    QFETCH(int, flags);
    ScriptedFileDialogs dialogs;
    QString folder = QStringLiteral("/opt/zederoru");
    ShowFileDialog(dialogs, saveMode, QStringLiteral("Zederoru"), filter, QStringLiteral("*.pel"),
                   folder);
    QCOMPARE(folder, QStringLiteral("/opt/zederoru/"));
    QCOMPARE(dialogs.requests.size(), 1);
    const FileDialogs::Request& r = dialogs.requests.first();
    QCOMPARE(r.saveMode, saveMode != 0);
    QCOMPARE(r.caption, QStringLiteral("Zederoru"));
    QCOMPARE(r.filterText, filter);
    QCOMPARE(r.initialName, QStringLiteral("*.pel"));
    QCOMPARE(r.initialFolder, QStringLiteral("/opt/zederoru/"));
    QCOMPARE(r.flags, flags);
}

void TestOpenSaveDialog::blankInitialNameIsLeftOut() {
    ScriptedFileDialogs dialogs;
    QString folder = QStringLiteral("/opt/zederoru/");
    ShowFileDialog(dialogs, 0, QStringLiteral("Zederoru"), QStringLiteral("Pelorin files"),
                   QStringLiteral("   "), folder);
    QCOMPARE(folder, QStringLiteral("/opt/zederoru/"));
    QVERIFY(dialogs.requests.first().initialName.isEmpty());
}

void TestOpenSaveDialog::answers_data() {
    QTest::addColumn<int>("saveMode");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cancelled open") << 0 << ""
                                    << "";
    QTest::newRow("cancelled save") << 1 << ""
                                    << "";
    QTest::newRow("open keeps any extension") << 0 << "/d/figures.TXT"
                                              << "/d/figures.TXT";
    QTest::newRow("save forces .pel") << 1 << "/d/figures.TXT"
                                      << "/d/figures.pel";
    QTest::newRow("outer spaces removed") << 1 << "  /d/album  "
                                          << "/d/album.pel";
    QTest::newRow("text after NUL dropped")
        << 1 << QStringLiteral("/d/album.pel") + QChar(0) + QStringLiteral("junk.txt")
        << "/d/album.pel";
    QTest::newRow("blank answer") << 1 << "    "
                                  << "";
}

void TestOpenSaveDialog::answers() {
    QFETCH(int, saveMode);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    ScriptedFileDialogs dialogs;
    dialogs.answers = {answer};
    QString folder = QStringLiteral("/d");
    QCOMPARE(ShowFileDialog(dialogs, saveMode, QStringLiteral("Zederoru"), QStringLiteral("*.pel"),
                            QStringLiteral("*.pel"), folder),
             expected);
}

QString TestOpenSaveDialog::runRealDialog(const FileDialogs::Request& request, const QString& shot,
                                          const std::function<void(QFileDialog&)>& inspect) {
    bool seen = false;
    const QString shots = qEnvironmentVariable("ZEDERORU_SHOT_DIR");
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        inspect(*dialog);
        // Give the folder listing time to arrive before the picture is taken.
        QTimer::singleShot(shots.isEmpty() ? 0 : 300, dialog, [dialog, shots, shot] {
            if (!shots.isEmpty())
                dialog->grab().save(shots + QLatin1Char('/') + shot);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    });
    QtFileDialogs dialogs;
    const QString chosen = dialogs.GetFileName(request);
    if (!seen)
        qWarning("no file dialog was shown");
    return seen ? chosen : QStringLiteral("<no dialog>");
}

void TestOpenSaveDialog::realOpenDialogListsCollectionsAndReturnsTheChosenFile() {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/Mes figures é-XXXXXX"));
    Fixtures::writeFile(folder.filePath(QStringLiteral("autres formes.pel")), "x");
    Fixtures::writeFile(folder.filePath(QStringLiteral("notes.txt")), "x");
    FileDialogs::Request request;
    request.caption = QStringLiteral("Zederoru");
    request.filterText = QStringLiteral("Pelorin files");
    request.initialName = QStringLiteral("*.pel");
    request.initialFolder = folder.path() + QLatin1Char('/');
    request.flags = FileDialogs::OFN_FILEMUSTEXIST | FileDialogs::OFN_HIDEREADONLY;
    const QString chosen = runRealDialog(request, "open-dialog.png", [&](QFileDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Zederoru"));
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("Pelorin files (*.pel)")});
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        dialog.selectFile(folder.filePath(QStringLiteral("autres formes.pel")));
    });
    QCOMPARE(chosen, folder.filePath(QStringLiteral("autres formes.pel")));
}

void TestOpenSaveDialog::realSaveDialogLeavesTheOverwriteQuestionToTheCaller() {
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("copy.pel"));
    Fixtures::writeFile(existing, "keep");
    FileDialogs::Request request;
    request.saveMode = true;
    request.caption = QStringLiteral("Zederoru");
    request.filterText = QStringLiteral("*.pel");
    request.initialName = QStringLiteral("*.pel");
    request.initialFolder = folder.path() + QLatin1Char('/');
    request.flags = FileDialogs::OFN_HIDEREADONLY;
    const QString chosen = runRealDialog(request, "save-dialog.png", [&](QFileDialog& dialog) {
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        dialog.selectFile(existing);
    });
    QCOMPARE(chosen, existing);
    QCOMPARE(Fixtures::readFile(existing), QByteArray("keep"));
}

QTEST_MAIN(TestOpenSaveDialog)
#include "tst_opensavedialog.moc"
