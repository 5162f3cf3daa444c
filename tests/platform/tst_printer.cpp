// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPrinter : public QObject {
    Q_OBJECT
private slots:
    void pageFitsWithItsAspectKept_data() {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QRect>("page");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("wide image, tall page")
            << QSize(741, 579) << QRect(0, 0, 2000, 3000) << QRect(0, 719, 2000, 1562);
        QTest::newRow("wide image, wide page")
            << QSize(741, 579) << QRect(0, 0, 3000, 2000) << QRect(220, 0, 2559, 2000);
        QTest::newRow("page with an offset")
            << QSize(100, 100) << QRect(50, 60, 300, 200) << QRect(100, 60, 200, 200);
        QTest::newRow("empty image") << QSize(0, 0) << QRect(0, 0, 300, 200) << QRect();
    }

    void pageFitsWithItsAspectKept() {
        QFETCH(QSize, image);
        QFETCH(QRect, page);
        QFETCH(QRect, placed);
        QCOMPARE(FitOnPage(image, page), placed);
    }

    void pdfHoldsOnePage() {
        QTemporaryDir folder;
        QImage page(741, 579, QImage::Format_RGB32);
        page.fill(Qt::gray);
        const QString path = folder.filePath(QStringLiteral("page.pdf"));
        const Printer::Outcome outcome = WritePdfPage(page, path);
        QCOMPARE(outcome.status, Printer::Outcome::Status::Printed);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
        QVERIFY(pdf.contains("/Count 1"));
    }

    void unwritablePdfFails() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/page.pdf"));
        QImage page(10, 10, QImage::Format_RGB32);
        const Printer::Outcome outcome = WritePdfPage(page, path);
        QCOMPARE(outcome.status, Printer::Outcome::Status::Failed);
        QVERIFY(outcome.reason.contains(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
