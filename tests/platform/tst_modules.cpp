// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/moduleprinter.h"
#include "platform/modules.h"
#include "platform/modulesound.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

bool mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

const QStringList builtModules{QStringLiteral(ZEDERORU_MODULE_BUILD_DIR)};

} // namespace

// The back-ends come from their modules, and their libraries are mapped only once used; Qt's
// plugins are held back as in the game, so that reading a PNG loads no image-format plugin, and
// given back to the first module loaded.
class TestModules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        pluginFolders = QCoreApplication::libraryPaths();
        HoldBackPlugins();
        QVERIFY(!QImage(QStringLiteral(ZEDERORU_DATA_DIR "/help-board.png")).isNull());
        QVERIFY(!mapped("imageformats"));
    }

    void soundLoadsAtTheFirstPlay() {
        QVERIFY(!mapped("libQt6Multimedia"));
        ModuleSound sound(builtModules);
        sound.mciSendString(QStringLiteral("stop mp3"));
        sound.mciSendString(QStringLiteral("close all"));
        QVERIFY(!sound.Loaded());
        QVERIFY(!mapped("libQt6Multimedia"));
        sound.mciSendString(QStringLiteral("play " ZEDERORU_DATA_DIR "/Click.wav"));
        QVERIFY(sound.Loaded());
        QVERIFY(mapped("libQt6Multimedia"));
        QCOMPARE(QCoreApplication::libraryPaths(), pluginFolders);
        sound.mciSendString(QStringLiteral("close all"));
    }

    // Without a printer the page is offered as a PDF file; the dialog is cancelled here.
    void printingLoadsAtTheFirstPage() {
        QVERIFY(!mapped("libQt6PrintSupport"));
        QWidget parent;
        ModulePrinter printer(&parent, builtModules);
        QVERIFY(!printer.Loaded());
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        const Printer::Outcome outcome = printer.PrintPage(
            QSize(20, 20), [](QPainter& page) { page.fillRect(0, 0, 20, 20, Qt::white); });
        QVERIFY(printer.Loaded());
        QVERIFY(mapped("libQt6PrintSupport"));
        QCOMPARE(outcome.status, Printer::Outcome::Status::Cancelled);
    }

    void missingModulesFailQuietly() {
        ModuleSound sound({QStringLiteral("/nonexistent")});
        sound.mciSendString(QStringLiteral("play " ZEDERORU_DATA_DIR "/Click.wav"));
        QVERIFY(!sound.Loaded());
        ModulePrinter printer(nullptr, {QStringLiteral("/nonexistent")});
        const Printer::Outcome outcome = printer.PrintPage(QSize(10, 10), [](QPainter&) {});
        QCOMPARE(outcome.status, Printer::Outcome::Status::Failed);
        QVERIFY(outcome.reason.contains(QLatin1String("zederoru_print")));
    }

private:
    QStringList pluginFolders;
};

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
