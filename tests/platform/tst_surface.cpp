// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colour.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "support/fixtures.h"

#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using Fixtures::coloursOf;

namespace {

void drawDiamond(Surface& s, ColourValue colour) {
    const QPoint diamond[4] = {{10, 30}, {30, 10}, {50, 30}, {30, 50}};
    s.FillStyle_ = Surface::FillStyle::Solid;
    s.FillColor = colour;
    s.ForeColor = colour;
    s.Polygon(diamond, 4);
}

void drawOutline(Surface& s, const QPoint* corners, ColourValue colour) {
    s.FillStyle_ = Surface::FillStyle::Transparent;
    s.ForeColor = colour;
    s.Polygon(corners, 4);
}

} // namespace

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

    void untouchedPixelsHoldTheColourLastCleared_data() {
        QTest::addColumn<bool>("clearedAgain");
        QTest::addColumn<ColourValue>("colour");
        QTest::newRow("background changed only") << false << RGB(7, 7, 7);
        QTest::newRow("cleared after the change") << true << RGB(8, 8, 8);
    }

    // The pictures are made at their first use, in the colour of the last whole clearing, not
    // in a background colour set since.
    void untouchedPixelsHoldTheColourLastCleared() {
        QFETCH(bool, clearedAgain);
        QFETCH(ColourValue, colour);
        Surface s(10, 10, RGB(7, 7, 7), nullptr, Surface::Kind::Smooth);
        s.setBackColor(RGB(8, 8, 8));
        if (clearedAgain)
            s.Cls();
        QCOMPARE(s.Point(3, 3), colour);
        QCOMPARE(coloursOf(s.screenImage()), QSet<QRgb>{toQRgb(colour)});
        Surface to(10, 10, 0);
        to.CopyFrom(s, QRect(0, 0, 10, 10), QPoint());
        QCOMPARE(coloursOf(to.image()), QSet<QRgb>{toQRgb(colour)});
    }

    void copyReplacesPixels() {
        Surface from(20, 20, QBColor(12));
        Surface to(20, 20, QBColor(15));
        QSignalSpy refreshed(&to, &Surface::refreshed);
        to.CopyFrom(from, QRect(0, 0, 5, 5), QPoint(10, 10));
        from.setBackColor(QBColor(9));
        from.Cls(); // after the copy: not copied
        QCOMPARE(to.Point(14, 14), QBColor(12));
        QCOMPARE(to.Point(15, 15), QBColor(15));
        QCOMPARE(refreshed.count(), 0); // copying is not showing
        to.Refresh();
        QCOMPARE(refreshed.count(), 1);
    }

    void smoothSurfaceBlendsEdgesOnScreenOnly_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("2x") << 2.0;
        QTest::newRow("1.5x") << 1.5;
    }

    // The screen picture has blended diagonal edges at the ratio asked for; the picture the
    // game reads keeps only the colours drawn; an erased polygon leaves no fringe; a new ratio
    // draws again rather than scaling.
    void smoothSurfaceBlendsEdgesOnScreenOnly() {
        QFETCH(qreal, ratio);
        Surface s(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        s.setDevicePixelRatio(ratio);
        drawDiamond(s, QBColor(12));
        QCOMPARE(s.screenImage().size(), QSize(60, 60) * ratio);
        QCOMPARE(coloursOf(s.image()), (QSet<QRgb>{toQRgb(QBColor(15)), toQRgb(QBColor(12))}));
        // Across the edge from (10, 30) to (30, 10), halfway down it: a blended pixel.
        const QImage across =
            s.screenImage().copy(0, static_cast<int>(20 * ratio), static_cast<int>(30 * ratio), 1);
        QVERIFY(coloursOf(across).size() > 2);

        Surface direct(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        direct.setDevicePixelRatio(1);
        drawDiamond(direct, QBColor(12));
        QCOMPARE(direct.screenImage().size(), QSize(60, 60));
        direct.setDevicePixelRatio(ratio);
        QCOMPARE(direct.screenImage(), s.screenImage());

        drawDiamond(s, QBColor(15));
        QCOMPARE(coloursOf(s.screenImage()), QSet<QRgb>{toQRgb(QBColor(15))});
    }

    void copyOfASmoothSurfaceShowsItsPictures_data() {
        QTest::addColumn<QRect>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("clip");
        QTest::newRow("whole") << QRect(0, 0, 60, 60) << QPoint(0, 0) << QRect();
        QTest::newRow("part, moved") << QRect(10, 10, 30, 30) << QPoint(25, 3) << QRect();
        QTest::newRow("clipped") << QRect(0, 0, 60, 60) << QPoint(4, 6) << QRect(20, 20, 15, 30);
    }

    // A copy of a smooth surface draws what was drawn on it rather than making its pictures:
    // the result is the same as copying them.
    void copyOfASmoothSurfaceShowsItsPictures() {
        QFETCH(QRect, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, clip);
        Surface source(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        source.setDevicePixelRatio(2);
        drawDiamond(source, QBColor(12));
        Surface dest(80, 80, QBColor(1), nullptr, Surface::Kind::Smooth);
        dest.setDevicePixelRatio(2);
        if (!clip.isNull())
            dest.ClipTo(clip);
        dest.CopyFrom(source, from, to);
        drawDiamond(source, QBColor(9)); // after the copy: not copied
        Surface twin(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        twin.setDevicePixelRatio(2);
        drawDiamond(twin, QBColor(12));
        const QRect area = QRect(to, from.size()) & (clip.isNull() ? QRect(0, 0, 80, 80) : clip);
        const QPoint back = from.topLeft() - to;
        QImage expected(80, 80, QImage::Format_RGB32);
        expected.fill(toQRgb(QBColor(1)));
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                expected.setPixel(x, y, twin.image().pixel(QPoint(x, y) + back));
        QCOMPARE(dest.image(), expected);
        const auto twice = [](const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); };
        QCOMPARE(dest.screenImage().copy(twice(area)),
                 twin.screenImage().copy(twice(area.translated(back))));
    }

    // Drawing beyond what a surface keeps to draw again still reaches both pictures, and a
    // new ratio then scales the screen picture.
    void longDrawingKeepsTheLastColour() {
        Surface s(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        s.setDevicePixelRatio(1);
        const QPoint square[4] = {{29, 29}, {31, 29}, {31, 31}, {29, 31}};
        for (int i = 0; i < 20001; ++i) {
            s.ForeColor = s.FillColor = QBColor(i % 2 == 0 ? 12 : 9);
            s.Polygon(square, 4);
            if (i == 5)
                s.screenImage();
        }
        QCOMPARE(s.Point(30, 30), QBColor(12));
        s.setDevicePixelRatio(2);
        QCOMPARE(s.screenImage().size(), QSize(120, 120));
        QCOMPARE(s.screenImage().pixel(60, 60), toQRgb(QBColor(12)));
    }

    void floatingOutlineShowsAsIfDrawn_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }

    // Dragged as play drags: float and draw the outline; erase it, repair beneath, float and
    // draw it further on. The screen picture stays as it was, the floating picture over it
    // shows what drawing the outline there would, the exact picture is drawn as ever, and a
    // clearing lets the outline go.
    void floatingOutlineShowsAsIfDrawn() {
        QFETCH(qreal, ratio);
        const QPoint first[4] = {{5, 5}, {25, 5}, {25, 25}, {5, 25}};
        const QPoint second[4] = {{22, 27}, {42, 27}, {42, 47}, {22, 47}};
        Surface s(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        s.setDevicePixelRatio(ratio);
        drawDiamond(s, QBColor(12));
        const QImage ground = s.screenImage().copy();
        s.FloatOutline(first, 4, QBColor(0));
        drawOutline(s, first, QBColor(0));
        s.Refresh();
        drawOutline(s, first, QBColor(15));
        drawDiamond(s, QBColor(12));
        s.FloatOutline(second, 4, QBColor(0));
        drawOutline(s, second, QBColor(0));
        QVERIFY(s.Dirty().contains(QRect(QPoint(4, 4), QPoint(43, 48))));
        QCOMPARE(s.screenImage(), ground);
        QCOMPARE(s.floating()->box, QRect(QPoint(21, 26), QPoint(43, 48)));
        QImage shown = ground;
        QPainter(&shown).drawImage(QRectF(s.floating()->box), s.floating()->picture);
        Surface twin(60, 60, QBColor(15), nullptr, Surface::Kind::Smooth);
        twin.setDevicePixelRatio(ratio);
        drawDiamond(twin, QBColor(12));
        drawOutline(twin, second, QBColor(0));
        QVERIFY(Fixtures::worstChannelDifference(shown, twin.screenImage()) <= 1);
        drawOutline(twin, first, QBColor(0));
        drawOutline(twin, first, QBColor(15));
        drawDiamond(twin, QBColor(12));
        drawOutline(twin, second, QBColor(0));
        QCOMPARE(s.image(), twin.image());
        s.Cls();
        QVERIFY(!s.floating());
        QCOMPARE(coloursOf(s.screenImage()), QSet<QRgb>{toQRgb(QBColor(15))});
    }

    void exactSurfaceShowsWhatItHolds() {
        Surface s(60, 60, QBColor(15));
        s.setDevicePixelRatio(2);
        drawDiamond(s, QBColor(12));
        QCOMPARE(s.screenImage(), s.image());
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
