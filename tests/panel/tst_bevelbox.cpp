// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bevelbox.h"
#include "support/fixtures.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

namespace {

QString iconNamed(const QString& name) {
    return ":/icons/" + name + ".png";
}

QImage rendered(QWidget& w, qreal ratio) {
    QImage image(w.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

} // namespace

// The panel's bevelled icon button and the icons compiled into the game.
class TestBevelbox : public QObject {
    Q_OBJECT
private slots:
    void leftClickCarriesTheIndex() {
        Bevelbox box(7, iconNamed("left"), "Left");
        box.resize(33, 30);
        QSignalSpy clicks(&box, &Bevelbox::Click);
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::mouseClick(&box, Qt::RightButton);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].toInt(), 7);
        QCOMPARE(box.focusPolicy(), Qt::NoFocus);
        box.setToolTip("Right"); // the accessible name follows the tool tip
        QCOMPARE(box.accessibleName(), QString("Right"));
    }

    void pressedAndRaisedSwapTheBorders_data() {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::addColumn<QPoint>("iconAt"); // where the icon's dark bar starts
        QTest::newRow("raised") << false << QColor(Qt::white) << QColor(Qt::black) << QPoint(9, 8);
        QTest::newRow("pressed") << true << QColor(Qt::black) << QColor(Qt::white) << QPoint(10, 9);
    }

    void pressedAndRaisedSwapTheBorders() {
        QFETCH(bool, pressed);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        QFETCH(QPoint, iconAt);
        Bevelbox box(6, iconNamed("first"), "First");
        box.setBorders({Qt::white, Qt::white, Qt::black, Qt::black});
        box.resize(33, 30);
        if (pressed)
            box.ShowPressed();
        const QImage image = rendered(box, 1);
        QCOMPARE(image.pixelColor(1, 15), topLeft);
        QCOMPARE(image.pixelColor(15, 29), bottomRight);
        const QColor face = box.palette().color(QPalette::Button);
        QCOMPARE(image.pixel(iconAt - QPoint(1, 0)), (pressed ? face.darker(115) : face).rgb());
        QVERIFY(image.pixelColor(iconAt).lightness() < 128);
        box.ShowRaised();
        QCOMPARE(rendered(box, 1).pixelColor(1, 15), QColor(Qt::white));
    }

    // Each icon is in the game's resources, differs from the others, and at twice the pixel ratio
    // is drawn from its vector art at that ratio, not blown up.
    void iconsAreCrispAtDoublePixelRatio() {
        QSet<QByteArray> seen;
        for (const char* name :
             {"remove", "append", "reset", "copy", "first", "left", "right", "last", "random",
              "sound", "normal", "easy", "veryeasy", "viewall"}) {
            QSvgRenderer svg(QStringLiteral(ZEDERORU_ICON_DIR "/") + name + ".svg");
            QVERIFY2(svg.isValid(), name);
            Bevelbox box(0, iconNamed(name), name);
            box.resize(33, 30);
            QImage expected(48, 48, QImage::Format_ARGB32_Premultiplied);
            expected.fill(box.palette().color(QPalette::Button));
            QPainter painter(&expected);
            svg.render(&painter);
            painter.end();
            const QByteArray bits(reinterpret_cast<const char*>(expected.constBits()),
                                  expected.sizeInBytes());
            QVERIFY2(!seen.contains(bits), name);
            seen.insert(bits);
            const int worst =
                Fixtures::worstChannelDifference(rendered(box, 2).copy(10, 6, 48, 48), expected);
            QVERIFY2(worst <= 3, qPrintable(QString(name) + ": off by " + QString::number(worst)));
        }
    }
};

QTEST_MAIN(TestBevelbox)
#include "tst_bevelbox.moc"
