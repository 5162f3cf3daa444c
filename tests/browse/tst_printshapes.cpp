// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/figurepage.h"
#include "browse/printshapes.h"
#include "platform/surfacewidget.h"
#include "support/browsefixtures.h"
#include "support/printerfakes.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace BrowseFixtures;
using Answer = MessageBoxes::Answer;
using Status = Printer::Outcome::Status;
Q_DECLARE_METATYPE(Printer::Outcome)

// The print window over a collection of squares, with scripted answers and a capturing printer.
class TestPrintShapes : public QObject {
    Q_OBJECT
private slots:
    void init() {
        t = std::make_unique<TestGame>();
        printer = CapturingPrinter();
    }

    void cleanup() {
        w.reset();
        t.reset();
    }

    void printMenuShowsTheFirstPageModal() {
        open(30);
        w->hide();
        t->p.FirstShown = 10;
        w->ShowSolution = 1;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            modal = QApplication::activeModalWidget() == w.get();
            t->messages.script = {Answer::Yes};
            w->Printx->trigger();
            QTest::keyClick(w.get(), Qt::Key_Escape);
        });
        w->ViewFirstPage();
        QVERIFY(modal);
        // What is printed is the picture shown, not the mode the next drawing will use.
        QCOMPARE(printer.pages.size(), 1);
        QCOMPARE(printer.pages[0], expectedPage(0, true));
        QVERIFY(!w->isVisible());
        QCOMPARE(t->p.FirstShown, std::int16_t(0));
        // The first page keeps the mode last used; the next drawing is silhouettes again.
        QCOMPARE(w->Page().image(), expectedPage(0, true));
        QCOMPARE(w->ShowSolution, std::int16_t(0));
    }

    void scrollBarFollowsTheCollectionAndTurnsThePage_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("maximum");
        QTest::newRow("20") << 20 << false << 0;
        QTest::newRow("21") << 21 << true << 4;
        QTest::newRow("75") << 75 << true << 56;
    }

    void scrollBarFollowsTheCollectionAndTurnsThePage() {
        QFETCH(int, count);
        QFETCH(bool, enabled);
        QFETCH(int, maximum);
        open(count);
        QCOMPARE(w->VScroll1->isEnabled(), enabled);
        if (enabled) {
            QCOMPARE(w->VScroll1->maximum(), maximum);
            QCOMPARE(w->VScroll1->singleStep(), 5);
            QCOMPARE(w->VScroll1->pageStep(), 5);
            w->VScroll1->setValue(maximum);
            QCOMPARE(t->p.FirstShown, std::int16_t(maximum));
            QCOMPARE(w->Page().image(), expectedPage(maximum, false));
        }
    }

    // Opened as the menu opens it, modal: the scroll bar, the paging keys and the wheel over
    // the page all turn it; the bar's own steps and a wheel's notch are one row.
    void leafingThroughTheMenuWindow_data() {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("firstShown"); // 100 figures: the last page starts at 80
        QTest::newRow("scroll bar arrow") << QList<Qt::Key>{} << 0 << 5;
        QTest::newRow("wheel") << QList<Qt::Key>{} << -2 << 10;
        QTest::newRow("page down") << QList<Qt::Key>{Qt::Key_PageDown} << 0 << 20;
        QTest::newRow("end, page up, wheel back")
            << QList<Qt::Key>{Qt::Key_End, Qt::Key_PageUp} << 1 << 55;
        QTest::newRow("end, down") << QList<Qt::Key>{Qt::Key_End, Qt::Key_Down} << 0 << 80;
        QTest::newRow("home") << QList<Qt::Key>{Qt::Key_PageDown, Qt::Key_Home} << 0 << 0;
    }

    void leafingThroughTheMenuWindow() {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, notches);
        QFETCH(int, firstShown);
        open(100);
        w->hide();
        QTimer::singleShot(0, this, [&] {
            if (keys.isEmpty() && notches == 0)
                QTest::mouseClick(w->VScroll1, Qt::LeftButton, {},
                                  QPoint(w->VScroll1->width() / 2, w->VScroll1->height() - 4));
            leaf(w.get(), w->Picture, keys, notches);
            QTest::keyClick(w.get(), Qt::Key_Escape);
        });
        w->ViewFirstPage();
        QCOMPARE(t->p.FirstShown, std::int16_t(firstShown));
        QCOMPARE(w->VScroll1->value(), firstShown);
        QCOMPARE(w->Page().image(), expectedPage(firstShown, false));
    }

    void shapeAndSolutionRedrawThePage() {
        open(13); // the last page's last cells stay empty in both modes
        w->ShowSolx->trigger();
        QCOMPARE(w->Page().image(), expectedPage(0, true));
        w->ShowShapex->trigger();
        QCOMPARE(w->Page().image(), expectedPage(0, false));
    }

    void printingAsksFirst_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("pages");
        QTest::newRow("No") << Answer::No << 0;
        QTest::newRow("Yes") << Answer::Yes << 1;
    }

    void printingAsksFirst() {
        QFETCH(Answer, answer);
        QFETCH(int, pages);
        open(30);
        w->ShowSolx->trigger();
        const QImage page = w->Page().image().copy();
        t->messages.script = {answer};
        w->Printx->trigger();
        QCOMPARE(t->messages.texts(), QStringList{QStringLiteral("Print this page?")});
        QCOMPARE(t->messages.shown[0].buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(printer.pages.size(), pages);
        if (pages == 1)
            QCOMPARE(printer.pages[0], page);
        QCOMPARE(w->Page().image(), page);
        QVERIFY(w->isVisible());
    }

    void printOutcomeIsReported_data() {
        QTest::addColumn<Printer::Outcome>("outcome");
        QTest::addColumn<QString>("told");
        QTest::addColumn<MessageBoxes::Icon>("icon");
        QTest::newRow("failed") << Printer::Outcome{Status::Failed,
                                                    "The printer Office refused.",
                                                    {}}
                                << QString("The printer Office refused.")
                                << MessageBoxes::Icon::Warning;
        QTest::newRow("written to a file")
            << Printer::Outcome{Status::Printed, {}, "/home/pat/page.pdf"}
            << QString("The page was written to\n\r/home/pat/page.pdf")
            << MessageBoxes::Icon::Information;
        // A PDF save dialog the player cancelled is no failure; a printer is heard from.
        QTest::newRow("cancelled")
            << Printer::Outcome{Status::Cancelled, {}, {}} << QString() << MessageBoxes::Icon::None;
        QTest::newRow("printed") << Printer::Outcome{} << QString() << MessageBoxes::Icon::None;
    }

    void printOutcomeIsReported() {
        QFETCH(Printer::Outcome, outcome);
        QFETCH(QString, told);
        QFETCH(MessageBoxes::Icon, icon);
        open(3);
        printer.outcome = outcome;
        w->Printx->trigger();
        QCOMPARE(t->messages.shown.size(), told.isEmpty() ? 1 : 2);
        if (!told.isEmpty()) {
            QVERIFY(t->messages.shown[1].text.endsWith(told));
            QCOMPARE(t->messages.shown[1].icon, icon);
        }
    }

    // The PDF holds the page's figures as polygons and their numbers as text, no picture.
    void printedPdfIsVectors() {
        const QStringList tools{"pdfimages", "pdfinfo", "pdftotext"};
        for (const QString& tool : tools)
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("poppler-utils is not installed (scripts/setup.sh installs it)");
        QTemporaryDir folder;
        printer.pdfPath = folder.filePath(QStringLiteral("page.pdf"));
        open(30);
        w->VScroll1->setValue(5);
        w->ShowSolx->trigger();
        w->Printx->trigger();
        const QStringList images = run("pdfimages", {"-list", printer.pdfPath});
        QCOMPARE(images.size(), 2); // the table's heading only
        QVERIFY(run("pdfinfo", {printer.pdfPath}).contains(QStringLiteral("Pages:           1")));
        const QString text = run("pdftotext", {printer.pdfPath, "-"}).join(' ');
        QStringList numbers;
        for (const QRegularExpressionMatch& m : QRegularExpression("\\d+").globalMatch(text))
            numbers << m.captured();
        numbers.sort();
        QStringList expected;
        for (int n = 6; n <= 25; ++n)
            expected << QString::number(n);
        expected.sort();
        QCOMPARE(numbers, expected);
    }

    // Esc hides it too, as the modal view shows.
    void exitHidesAndKeepsThePage() {
        open(30);
        w->VScroll1->setValue(5);
        w->Exitx->trigger();
        QVERIFY(!w->isVisible());
        QCOMPARE(w->VScroll1->value(), 5);
        QCOMPARE(t->p.FirstShown, std::int16_t(5));
        QVERIFY(printer.pages.isEmpty());
    }

private:
    static QStringList run(const QString& tool, const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished() || process.exitCode() != 0)
            return {};
        return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    void open(int count) {
        QVERIFY(t->start(squaresCollection(count)));
        w = std::make_unique<PrintShapes>(t->p, t->messages, printer);
        w->DrawPrintPage();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    QImage expectedPage(int firstShown, bool solution) {
        Surface page(w->Page().width(), w->Page().height(), QBColor(15));
        page.Font = w->Page().Font;
        DrawPage(t->p, PrintGrid, firstShown, PrintStyle(solution), page);
        return page.image();
    }

    std::unique_ptr<TestGame> t;
    CapturingPrinter printer;
    std::unique_ptr<PrintShapes> w;
};

QTEST_MAIN(TestPrintShapes)
#include "tst_printshapes.moc"
