// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/allshapes.h"
#include "browse/figurepage.h"
#include "platform/surfacewidget.h"
#include "support/browsefixtures.h"
#include "support/fixtures.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace BrowseFixtures;

// The view-all window over a collection of squares, with GoToFigure recorded.
class TestAllShapes : public QObject {
    Q_OBJECT
private slots:
    void init() {
        chosen.clear();
        t = std::make_unique<TestGame>();
    }

    void cleanup() {
        w.reset();
        t.reset();
    }

    void viewAllShowsTheFirstPageModeless() {
        open(100);
        t->p.CurrentFigure = 99; // its frame is not on the first page
        t->p.FirstShown = 30;
        w->hide();
        w->ViewAll();
        QCOMPARE(t->p.FirstShown, std::int16_t(0));
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
        QCOMPARE(w->Page().image(), expectedPage(0));
        // The window shows the page's screen picture: the same drawing, with smooth edges.
        QCOMPARE(w->Picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 w->Page().screenImage());
    }

    void targetRightClickShowsTheLastPageModal() {
        open(100);
        w->hide();
        t->p.FirstShown = 20; // left there by the print window
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            modal = QApplication::activeModalWidget() == w.get();
            QTest::mouseClick(w.get(), Qt::RightButton, {}, QPoint(10, 10));
        });
        w->ViewModal();
        QVERIFY(modal);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->Page().image(), expectedPage(20));
        QCOMPARE(w->VScroll1->value(), 20);
        QVERIFY(chosen.isEmpty());
    }

    void scrollBarFollowsTheCollection_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("maximum");
        QTest::newRow("64") << 64 << false << 0;
        QTest::newRow("65") << 65 << true << 8;
        QTest::newRow("200") << 200 << true << 136;
    }

    void scrollBarFollowsTheCollection() {
        QFETCH(int, count);
        QFETCH(bool, enabled);
        QFETCH(int, maximum);
        open(count);
        QCOMPARE(w->VScroll1->isEnabled(), enabled);
        if (enabled) {
            QCOMPARE(w->VScroll1->maximum(), maximum);
            QCOMPARE(w->VScroll1->singleStep(), 8);
            QCOMPARE(w->VScroll1->pageStep(), 8);
        }
    }

    void scrollingDrawsTheChosenPage() {
        open(200);
        w->VScroll1->setValue(13); // a dragged thumb may stop in mid-row
        QCOMPARE(t->p.FirstShown, std::int16_t(13));
        QCOMPARE(w->Page().image(), expectedPage(13));
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(chosen, QList<int>{14});
    }

    void leafingByKeysAndWheel_data() {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("firstShown"); // 200 figures: the last page starts at 136
        QTest::newRow("page down") << QList<Qt::Key>{Qt::Key_PageDown} << 0 << 64;
        QTest::newRow("wheel, a row a notch") << QList<Qt::Key>{} << -3 << 24;
        QTest::newRow("end") << QList<Qt::Key>{Qt::Key_End} << 0 << 136;
        QTest::newRow("end, page down")
            << QList<Qt::Key>{Qt::Key_End, Qt::Key_PageDown} << 0 << 136;
        QTest::newRow("end, page up, up")
            << QList<Qt::Key>{Qt::Key_End, Qt::Key_PageUp, Qt::Key_Up} << 0 << 64;
        QTest::newRow("down, wheel back") << QList<Qt::Key>{Qt::Key_Down} << 2 << 0;
        QTest::newRow("home") << QList<Qt::Key>{Qt::Key_PageDown, Qt::Key_Home} << 0 << 0;
    }

    void leafingByKeysAndWheel() {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, notches);
        QFETCH(int, firstShown);
        open(200);
        leaf(w.get(), w->Picture, keys, notches);
        QCOMPARE(t->p.FirstShown, std::int16_t(firstShown));
        QCOMPARE(w->VScroll1->value(), firstShown);
        QCOMPARE(w->Page().image(), expectedPage(firstShown));
        QVERIFY(w->isVisible());
    }

    // A frame round the current figure's cell, on screen only, following the page.
    void currentFigureIsFramed() {
        open(200);
        t->p.CurrentFigure = 70; // row 1, column 6 of the second page
        const QRgb frame = w->palette().color(QPalette::Highlight).rgb();
        auto framed = [&](QPoint cellCorner) {
            const QImage shown = w->Picture->grab().toImage();
            return shown.pixel(cellCorner + QPoint(2, 24)) == frame;
        };
        QVERIFY(!framed(QPoint(5 * 48, 0)));
        w->VScroll1->setValue(64);
        QVERIFY(framed(QPoint(5 * 48, 0)));
        QVERIFY(!framed(QPoint(4 * 48, 0)));
        w->VScroll1->setValue(61); // a dragged thumb may stop in mid-row
        QVERIFY(framed(QPoint(0, 48)));
        QCOMPARE(w->Page().image(), expectedPage(61));
    }

    void hoverShowsTheNumberAtThePointer() {
        open(10);
        QTest::mouseMove(w.get(), QPoint(60, 60)); // row 2, column 2: figure 10
        QTRY_COMPARE(w->Label1->text(), QStringLiteral("    10"));
        QVERIFY(w->Label1->isVisible());
        QCOMPARE(w->Label1->pos(), QPoint(60, 60));
        QTest::mouseMove(w.get(), QPoint(20, 20));
        QTRY_COMPARE(w->Label1->text(), QStringLiteral("    1"));
        QCOMPARE(w->Label1->pos(), QPoint(20, 20));
        QTest::mouseMove(w.get(), QPoint(110, 60)); // figure 11 does not exist
        QTRY_VERIFY(w->Label1->text().isEmpty());
        QVERIFY(!w->Label1->isVisible());
    }

    void namesFromTheNamesFileAsToolTipsAndAccessibleName() {
        Fixtures::writeFile(t->path(QStringLiteral("PELORIN.names")), "Cat\n\nDog\n");
        open(10);
        auto point = [&](QPoint at) {
            QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
            QCoreApplication::sendEvent(w.get(), &help);
        };
        point(QPoint(100, 10)); // figure 3
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Dog"));
        point(QPoint(60, 10)); // figure 2 has no name
        QTRY_VERIFY(!QToolTip::isVisible());
        point(QPoint(20, 10));
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Cat"));
        point(QPoint(60, 60)); // nor has 10, beyond the file
        QTRY_VERIFY(!QToolTip::isVisible());
        t->p.CurrentFigure = 1;
        w->DrawThumbnails();
        QCOMPARE(w->Picture->accessibleName(), QStringLiteral("Figure 1: Cat"));
        t->p.CurrentFigure = 2;
        w->DrawThumbnails();
        QCOMPARE(w->Picture->accessibleName(), QStringLiteral("Figure 2"));
    }

    void clickSelectsThroughGoToFigure() {
        open(10);
        t->p.CurrentFigure = 3;
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(100, 10));
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(100, 10)); // current or not
        QTest::mouseClick(w.get(), Qt::MiddleButton, {}, QPoint(60, 60));
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(110, 60)); // empty cell
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(386, 10)); // beside the grid
        QCOMPARE(chosen, (QList<int>{3, 3, 10}));
        QVERIFY(w->isVisible());
    }

    void rightClickAndEscHideWithoutSelecting_data() {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("right click on a thumbnail") << false << QPoint(20, 20);
        QTest::newRow("right click on the number") << false << QPoint(21, 21);
        QTest::newRow("right click on an empty cell") << false << QPoint(200, 200);
        QTest::newRow("Esc") << true << QPoint(20, 20);
    }

    void rightClickAndEscHideWithoutSelecting() {
        QFETCH(bool, escape);
        QFETCH(QPoint, at);
        open(70);
        w->VScroll1->setValue(8);
        QTest::mouseMove(w.get(), QPoint(5, 5)); // the pointer may still rest at (20, 20)
        QTest::mouseMove(w.get(), QPoint(20, 20));
        QTRY_VERIFY(w->Label1->isVisible());
        if (escape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(w.get(), Qt::RightButton, {}, at);
        QVERIFY(!w->isVisible());
        QVERIFY(chosen.isEmpty());
        // Hidden is not closed: the page and the scroll bar stay as they were.
        QCOMPARE(w->VScroll1->value(), 8);
        QCOMPARE(t->p.FirstShown, std::int16_t(8));
        QCOMPARE(w->Page().image(), expectedPage(8));
    }

private:
    void open(int count) {
        QVERIFY(t->start(squaresCollection(count)));
        w = std::make_unique<AllShapes>(t->p, [this](int n) { chosen.append(n); });
        w->ViewAll();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    QImage expectedPage(int firstShown) {
        Surface page(w->Page().width(), w->Page().height(), RGB(192, 192, 192));
        DrawPage(t->p, ThumbnailGrid, firstShown, ThumbnailStyle(), page);
        return page.image();
    }

    std::unique_ptr<TestGame> t;
    std::unique_ptr<AllShapes> w;
    QList<int> chosen;
};

QTEST_MAIN(TestAllShapes)
#include "tst_allshapes.moc"
