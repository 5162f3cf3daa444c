// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canvas.h"
#include "platform/printer.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <array>

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

    // Drawn as polygons and text, the page reaches the file as vectors: no picture in it.
    void pdfHoldsOnePageOfVectors() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("page.pdf"));
        const QSize size(741, 579);
        QRect window;
        const Printer::Outcome outcome = WritePdfPage(
            size,
            [&](QPainter& painter) {
                window = painter.window();
                Canvas page(painter, size, QBColor(15), QFont());
                const std::array<QPoint, 3> triangle{QPoint(10, 10), QPoint(300, 10),
                                                     QPoint(10, 300)};
                page.Polygon(triangle.data(), 3);
                page.Print(400, 400, QStringLiteral(" 17"));
            },
            path);
        QCOMPARE(outcome.status, Printer::Outcome::Status::Printed);
        QCOMPARE(outcome.writtenTo, path);
        QCOMPARE(window, QRect(QPoint(0, 0), size));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
        QVERIFY(pdf.contains("/Count 1"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
        QVERIFY(pdf.contains("/FontFile"));
    }

    void unwritablePdfFails() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/page.pdf"));
        const Printer::Outcome outcome = WritePdfPage(
            QSize(10, 10), [](QPainter&) {}, path);
        QCOMPARE(outcome.status, Printer::Outcome::Status::Failed);
        QVERIFY(outcome.reason.contains(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
