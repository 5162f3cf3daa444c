#include "platform/keys.h"

#include <QTest>

// Qt keys and buttons become the codes the board handlers compare with.
class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void virtualKeyCodes_data();
    void virtualKeyCodes();
    void shiftBitsAndButtons();
};

void TestKeys::virtualKeyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("backtab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << 9;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 37;
    QTest::newRow("up") << int(Qt::Key_Up) << none << 38;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 39;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 40;
    QTest::newRow("keypad arrow") << int(Qt::Key_Left) << pad << 37;
    QTest::newRow("keypad 2") << int(Qt::Key_2) << pad << 98;
    QTest::newRow("keypad 4") << int(Qt::Key_4) << pad << 100;
    QTest::newRow("keypad 6") << int(Qt::Key_6) << pad << 102;
    QTest::newRow("keypad 8") << int(Qt::Key_8) << pad << 104;
    QTest::newRow("digit 8") << int(Qt::Key_8) << none << 56;
    QTest::newRow("letter") << int(Qt::Key_Q) << none << 81;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
    QTest::newRow("unmapped") << int(Qt::Key_Eject) << none << 0;
}

void TestKeys::virtualKeyCodes() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QCOMPARE(VirtualKeyCode(key, modifiers), code);
}

void TestKeys::shiftBitsAndButtons() {
    QCOMPARE(ShiftBits(Qt::ShiftModifier | Qt::KeypadModifier), 1);
    QCOMPARE(ShiftBits(Qt::ControlModifier | Qt::ShiftModifier), 3);
    QCOMPARE(ShiftBits(Qt::AltModifier | Qt::ControlModifier), 6);
    QCOMPARE(ShiftBits(Qt::MetaModifier), 0);
    QCOMPARE(ButtonCode(Qt::LeftButton), 1);
    QCOMPARE(ButtonCode(Qt::RightButton), 2);
    QCOMPARE(ButtonCode(Qt::MiddleButton), 4);
    QCOMPARE(ButtonCode(Qt::BackButton), 0);
    QCOMPARE(ButtonBits(Qt::LeftButton | Qt::MiddleButton | Qt::ForwardButton), 5);
    QVERIFY(IsModifierKey(Qt::Key_Control));
    QVERIFY(!IsModifierKey(Qt::Key_Tab));
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
