// SPDX-License-Identifier: GPL-3.0-or-later
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
    void answers_data();
    void answers();
    void realOpenDialogListsCollectionsAndReturnsTheChosenFile();
    void realSaveDialogLeavesTheOverwriteQuestionToTheCaller();

private:
    // Runs a request for the given folder on the real dialog: inspect sees the dialog once it
    // is shown, then it is accepted.
    QString runRealDialog(bool saveMode, const QString& filter, int flags, const QString& folder,
                          const std::function<void(QFileDialog&)>& inspect);
};

void TestOpenSaveDialog::extensionRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const std::pair<const char*, const char*> rows[] = {
        {"/home/ann/album", "/home/ann/album.pel"},
        {"/home/ann/album.txt", "/home/ann/album.pel"},
        {"/home/ann/album.PEL", "/home/ann/album.pel"},
        {"/home/ann/album.pel", "/home/ann/album.pel"},
        {"/home/ann/album.pelx", "/home/ann/album.pel"},
        {"/home/ann/a.b.c", "/home/ann/a.b.pel"},
        {"/home/ann/album.", "/home/ann/album.pel"},
        // Only the file name has an extension, never a folder.
        {"/home/ann/my.dir/album", "/home/ann/my.dir/album.pel"},
        {"/home/ann/.local/share/Zederoru/mine", "/home/ann/.local/share/Zederoru/mine.pel"},
        {"C:\\my.dir\\album", "C:\\my.dir\\album.pel"},
        {"/home/ann/.mine", "/home/ann/.mine.pel"},
    };
    for (const auto& [name, expected] : rows)
        QTest::newRow(name) << QString(name) << QString(expected);
}

void TestOpenSaveDialog::extensionRule() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ForcedExtension(name, QStringLiteral("*.pel")), expected);
}

void TestOpenSaveDialog::callersArguments_data() {
    QTest::addColumn<int>("saveMode");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("initialName");
    QTest::addColumn<int>("flags");
    QTest::newRow("open") << 0 << "Pelorin files"
                          << "*.pel" << 0x1004;
    QTest::newRow("save") << 1 << "*.pel"
                          << "*.pel" << 0x4;
    QTest::newRow("save, any non-zero mode") << -1 << "*.pel"
                                             << "*.pel" << 0x4;
    QTest::newRow("blank name left out") << 0 << "Pelorin files"
                                         << "   " << 0x1004;
}

void TestOpenSaveDialog::callersArguments() {
    QFETCH(int, saveMode);
    QFETCH(QString, filter);
    QFETCH(QString, initialName);
    QFETCH(int, flags);
    ScriptedFileDialogs dialogs;
    QString folder = QStringLiteral("/opt/zederoru");
    ShowFileDialog(dialogs, saveMode, QStringLiteral("Zederoru"), filter, initialName, folder);
    QCOMPARE(folder, QStringLiteral("/opt/zederoru/"));
    QCOMPARE(dialogs.requests.size(), 1);
    const FileDialogs::Request& r = dialogs.requests.first();
    QCOMPARE(r.saveMode, saveMode != 0);
    QCOMPARE(r.caption, QStringLiteral("Zederoru"));
    QCOMPARE(r.filterText, filter);
    QCOMPARE(r.initialName, initialName.trimmed());
    QCOMPARE(r.initialFolder, folder);
    QCOMPARE(r.flags, flags);
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

QString TestOpenSaveDialog::runRealDialog(bool saveMode, const QString& filter, int flags,
                                          const QString& folder,
                                          const std::function<void(QFileDialog&)>& inspect) {
    FileDialogs::Request request;
    request.saveMode = saveMode;
    request.caption = QStringLiteral("Zederoru");
    request.filterText = filter;
    request.initialName = QStringLiteral("*.pel");
    request.initialFolder = folder + QLatin1Char('/');
    request.flags = flags;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        inspect(*dialog);
        QTimer::singleShot(0, dialog, [dialog] { QMetaObject::invokeMethod(dialog, "accept"); });
    });
    QtFileDialogs dialogs;
    const QString chosen = dialogs.GetFileName(request);
    return seen ? chosen : QStringLiteral("<no dialog>");
}

void TestOpenSaveDialog::realOpenDialogListsCollectionsAndReturnsTheChosenFile() {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/Mes figures é-XXXXXX"));
    const QString wanted = folder.filePath(QStringLiteral("autres formes.pel"));
    Fixtures::writeFile(wanted, "x");
    const auto inspect = [&](QFileDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), "Zederoru");
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.nameFilters(), QStringList{"Pelorin files (*.pel)"});
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        dialog.selectFile(wanted);
    };
    const int flags = FileDialogs::OFN_FILEMUSTEXIST | FileDialogs::OFN_HIDEREADONLY;
    QCOMPARE(runRealDialog(false, "Pelorin files", flags, folder.path(), inspect), wanted);
}

void TestOpenSaveDialog::realSaveDialogLeavesTheOverwriteQuestionToTheCaller() {
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("copy.pel"));
    Fixtures::writeFile(existing, "keep");
    const auto inspect = [&](QFileDialog& dialog) {
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        dialog.selectFile(existing);
    };
    QCOMPARE(runRealDialog(true, "*.pel", FileDialogs::OFN_HIDEREADONLY, folder.path(), inspect),
             existing);
    QCOMPARE(Fixtures::readFile(existing), QByteArray("keep"));
}

QTEST_MAIN(TestOpenSaveDialog)
#include "tst_opensavedialog.moc"
