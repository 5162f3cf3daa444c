// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "browse/allshapes.h"
#include "platform/surfacewidget.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>

// View All over a full collection of 500 figures, each step timed to its picture painted:
// the result is the slowest step (opening, or one Page Down), the one a player would see.
class ViewAllBench : public QObject {
    Q_OBJECT
private slots:
    void slowestPageStep();
};

void ViewAllBench::slowestPageStep() {
    TestGame t;
    QVERIFY(t.start(Fixtures::defaultFiguresRepeated(
        Fixtures::readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel")),
        PELORIN1::MaxFigures)));
    QCOMPARE(t.p.FigureCount, PELORIN1::MaxFigures);
    AllShapes all(t.p, [](int) {});
    QElapsedTimer clock;
    clock.start();
    all.ViewAll();
    QVERIFY(QTest::qWaitForWindowExposed(&all));
    qint64 slowest = clock.nsecsElapsed();
    int pages = 0;
    while (all.VScroll1->value() < all.VScroll1->maximum()) {
        clock.restart();
        QTest::keyClick(&all, Qt::Key_PageDown);
        QCoreApplication::processEvents();
        all.Picture->repaint(); // now, not at the next frame
        slowest = std::max(slowest, clock.nsecsElapsed());
        ++pages;
    }
    QVERIFY(pages >= PELORIN1::MaxFigures / 64); // every page of the collection shown
    QTest::setBenchmarkResult(slowest / 1e6, QTest::WalltimeMilliseconds);
}

QTEST_MAIN(ViewAllBench)
#include "viewall_bench.moc"
