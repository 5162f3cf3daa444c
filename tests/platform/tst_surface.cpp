// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colour.h"
#include "platform/messages.h"
#include "platform/surface.h"

#include <QSignalSpy>
#include <QTest>

class TestSurface : public QObject {
    Q_OBJECT
private slots:
    void coloursKeepBlueInTheHighByte() {
        QCOMPARE(QBColor(9), ColourValue(0xFF0000));
        QCOMPARE(toQRgb(0x800080), qRgb(128, 0, 128));
        QCOMPARE(fromQRgb(qRgb(1, 2, 3)), ColourValue(0x030201));
    }

    void polygonFillsAndOutlinesExactly() {
        Surface s(40, 40, RGB(1, 2, 3));
        s.FillStyle_ = Surface::FillStyle::Solid;
        s.FillColor = QBColor(14);
        s.ForeColor = RGB(9, 9, 9);
        const QPoint square[4] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
        s.Polygon(square, 4);
        QCOMPARE(s.Point(15, 15), QBColor(14));
        QCOMPARE(s.Point(10, 15), RGB(9, 9, 9));
        QCOMPARE(s.Point(20, 20), RGB(9, 9, 9));
        QCOMPARE(s.Point(21, 15), RGB(1, 2, 3));
        QCOMPARE(s.Point(9, 9), RGB(1, 2, 3));
    }

    void rectangleOutlineIncludesBothCorners() {
        Surface s(40, 40, 0);
        s.Rectangle(5, 6, 15, 16, QBColor(14));
        QCOMPARE(s.Point(5, 6), QBColor(14));
        QCOMPARE(s.Point(15, 16), QBColor(14));
        QCOMPARE(s.Point(16, 16), ColourValue(0));
        QCOMPARE(s.Point(10, 10), ColourValue(0));
    }

    void pixelsOutsideReadAsBackground() {
        Surface s(10, 10, RGB(7, 7, 7));
        QCOMPARE(s.Point(-1, 3), RGB(7, 7, 7));
        QCOMPARE(s.Point(3, 10), RGB(7, 7, 7));
    }

    void copyReplacesPixels() {
        Surface from(20, 20, QBColor(12));
        Surface to(20, 20, QBColor(15));
        QSignalSpy refreshed(&to, &Surface::refreshed);
        to.CopyFrom(from, QRect(0, 0, 5, 5), QPoint(10, 10));
        QCOMPARE(to.Point(14, 14), QBColor(12));
        QCOMPARE(to.Point(15, 15), QBColor(15));
        QCOMPARE(refreshed.count(), 0); // copying is not showing
        to.Refresh();
        QCOMPARE(refreshed.count(), 1);
    }

    // A refresh hands on the rectangle drawn on since the last one, and every changed pixel
    // lies inside it.
    void refreshCarriesWhatWasDrawn_data() {
        QTest::addColumn<int>("drawing");
        QTest::addColumn<QRect>("clip");
        QTest::addColumn<QRect>("dirty");
        const QRect none;
        QTest::newRow("nothing") << 0 << none << QRect();
        QTest::newRow("polygon") << 1 << none << QRect(QPoint(9, 9), QPoint(21, 21));
        QTest::newRow("rectangle") << 2 << none << QRect(QPoint(5, 6), QPoint(15, 16));
        QTest::newRow("copy") << 3 << none << QRect(30, 30, 5, 5);
        QTest::newRow("clear") << 4 << none << QRect(0, 0, 40, 40);
        QTest::newRow("polygon, clipped") << 1 << QRect(15, 0, 40, 17) << QRect(15, 9, 7, 8);
        QTest::newRow("polygon outside the clip") << 1 << QRect(25, 25, 5, 5) << QRect();
    }

    void refreshCarriesWhatWasDrawn() {
        QFETCH(int, drawing);
        QFETCH(QRect, clip);
        QFETCH(QRect, dirty);
        Surface s(40, 40, RGB(1, 2, 3));
        s.Refresh();
        if (!clip.isNull())
            s.ClipTo(clip);
        const QImage before = s.image();
        const QPoint square[4] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
        const Surface source(10, 10, QBColor(12));
        if (drawing == 1)
            s.Polygon(square, 4);
        else if (drawing == 2)
            s.Rectangle(15, 16, 5, 6, QBColor(14));
        else if (drawing == 3)
            s.CopyFrom(source, QRect(0, 0, 5, 5), QPoint(30, 30));
        else if (drawing == 4)
            s.Cls();
        s.Unclip();
        QSignalSpy refreshed(&s, &Surface::refreshed);
        s.Refresh();
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(refreshed.at(0).at(0).toRect(), dirty);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (s.image().pixel(x, y) != before.pixel(x, y))
                    QVERIFY2(dirty.contains(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QCOMPARE(s.Dirty(), QRect());
    }

    void lineBreaksShowOnce() {
        QCOMPARE(displayText("a\n\rb"), QString("a\nb"));
        QCOMPARE(displayText("a\r\nb\n\rc"), QString("a\nb\nc"));
    }
};

QTEST_GUILESS_MAIN(TestSurface)
#include "tst_surface.moc"
