#include "platform/keys.h"

#include <QTest>

// Qt keys and buttons become the codes the board handlers compare with.
class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void virtualKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("code");
        const Qt::KeyboardModifiers none;
        const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
        QTest::newRow("keypad arrow") << int(Qt::Key_Left) << pad << 37;
        QTest::newRow("keypad 8") << int(Qt::Key_8) << pad << 104;
        QTest::newRow("digit 8") << int(Qt::Key_8) << none << 56;
        QTest::newRow("unmapped") << int(Qt::Key_Eject) << none << 0;
    }

    void virtualKeyCodes() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QCOMPARE(VirtualKeyCode(key, modifiers), code);
    }

    void shiftBitsAndButtons() {
        QCOMPARE(ShiftBits(Qt::ShiftModifier | Qt::KeypadModifier), 1);
        QCOMPARE(ShiftBits(Qt::MetaModifier), 0);
        QCOMPARE(ButtonCode(Qt::BackButton), 0);
        QCOMPARE(ButtonBits(Qt::LeftButton | Qt::MiddleButton | Qt::ForwardButton), 5);
        QVERIFY(IsModifierKey(Qt::Key_Control));
        QVERIFY(!IsModifierKey(Qt::Key_Tab));
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
