#include "platform/bevelbox.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

// The panel's bevelled icon button and the icons compiled into the game.
class TestBevelbox : public QObject {
    Q_OBJECT
private slots:
    void clickCarriesTheIndex();
    void toolTipIsTheAccessibleName();
    void pressedAndRaisedSwapTheBorders_data();
    void pressedAndRaisedSwapTheBorders();
    void iconsAreCrispAtDoublePixelRatio();
};

namespace {

const QStringList IconNames{"remove", "append", "reset", "copy",   "first", "left",     "right",
                            "last",   "random", "sound", "normal", "easy",  "veryeasy", "viewall"};

QString iconNamed(const QString& name) {
    return ":/icons/" + name + ".svg";
}

QImage rendered(QWidget& w, qreal ratio) {
    QImage image(w.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

} // namespace

void TestBevelbox::clickCarriesTheIndex() {
    Bevelbox box(7, iconNamed("left"), "Left");
    box.resize(33, 30);
    QSignalSpy clicks(&box, &Bevelbox::Click);
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::mouseClick(&box, Qt::RightButton);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0][0].toInt(), 7);
    QCOMPARE(box.focusPolicy(), Qt::NoFocus);
}

void TestBevelbox::toolTipIsTheAccessibleName() {
    Bevelbox box(11, iconNamed("sound"), "Sound");
    QCOMPARE(box.accessibleName(), QString("Sound"));
    box.setToolTip("Sound off");
    QCOMPARE(box.accessibleName(), QString("Sound off"));
    QVERIFY(box.text().isEmpty());
}

void TestBevelbox::pressedAndRaisedSwapTheBorders_data() {
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::addColumn<QPoint>("iconAt"); // where the icon's dark bar starts
    QTest::newRow("raised") << false << QColor(Qt::white) << QColor(Qt::black) << QPoint(9, 8);
    QTest::newRow("pressed") << true << QColor(Qt::black) << QColor(Qt::white) << QPoint(10, 9);
}

void TestBevelbox::pressedAndRaisedSwapTheBorders() {
    QFETCH(bool, pressed);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    QFETCH(QPoint, iconAt);
    Bevelbox box(6, iconNamed("first"), "First");
    box.setBorders({Qt::white, Qt::white, Qt::black, Qt::black});
    box.resize(33, 30);
    QVERIFY(!box.ShownPressed());
    if (pressed)
        box.ShowPressed();
    QCOMPARE(box.ShownPressed(), pressed);
    const QImage image = rendered(box, 1);
    QCOMPARE(image.pixelColor(0, 0), topLeft);
    QCOMPARE(image.pixelColor(1, 15), topLeft);
    QCOMPARE(image.pixelColor(32, 15), bottomRight);
    QCOMPARE(image.pixelColor(15, 29), bottomRight);
    const QColor face = box.palette().color(QPalette::Button);
    QCOMPARE(image.pixel(iconAt - QPoint(1, 0)), (pressed ? face.darker(115) : face).rgb());
    QVERIFY(image.pixelColor(iconAt).lightness() < 128);
    box.ShowRaised();
    QCOMPARE(rendered(box, 1).pixelColor(0, 0), QColor(Qt::white));
}

// Each icon is found in the game's resources, differs from the others, and at twice the pixel
// ratio is drawn afresh from its vector art, not blown up.
void TestBevelbox::iconsAreCrispAtDoublePixelRatio() {
    QSet<QByteArray> seen;
    for (const QString& name : IconNames) {
        QSvgRenderer svg(iconNamed(name));
        QVERIFY2(svg.isValid(), qPrintable(name));
        Bevelbox box(0, iconNamed(name), name);
        box.resize(33, 30);
        const QImage sharp = rendered(box, 2);
        QCOMPARE(sharp.size(), QSize(66, 60));
        QImage expected(48, 48, QImage::Format_ARGB32_Premultiplied);
        expected.fill(box.palette().color(QPalette::Button));
        QPainter painter(&expected);
        svg.render(&painter);
        painter.end();
        const QByteArray bits(reinterpret_cast<const char*>(expected.constBits()),
                              expected.sizeInBytes());
        QVERIFY2(!seen.contains(bits), qPrintable(name + " looks like another icon"));
        seen.insert(bits);
        const QImage drawn = sharp.copy(10, 6, 48, 48);
        int worst = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                const QColor a = drawn.pixelColor(x, y);
                const QColor b = expected.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()),
                                  std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        QVERIFY2(worst <= 3, qPrintable(name + ": off by " + QString::number(worst)));
    }
    QCOMPARE(seen.size(), 14);
}

QTEST_MAIN(TestBevelbox)
#include "tst_bevelbox.moc"
