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

    void lineBreaksShowOnce() {
        QCOMPARE(displayText("a\n\rb"), QString("a\nb"));
        QCOMPARE(displayText("a\r\nb\n\rc"), QString("a\nb\nc"));
    }
};

QTEST_GUILESS_MAIN(TestSurface)
#include "tst_surface.moc"
