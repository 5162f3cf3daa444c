// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtmessageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using Answer = MessageBoxes::Answer;

// The real message boxes, answered from the keyboard as a player in a hurry does.
class TestMessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void keysAnswerYesNoQuestions_data() {
        QTest::addColumn<bool>("defaultNo");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Enter, Yes the default") << false << Qt::Key_Return << Answer::Yes;
        QTest::newRow("Enter, No the default") << true << Qt::Key_Return << Answer::No;
        QTest::newRow("Esc") << false << Qt::Key_Escape << Answer::No;
    }

    void keysAnswerYesNoQuestions() {
        QFETCH(bool, defaultNo);
        QFETCH(Qt::Key, key);
        QFETCH(Answer, answer);
        QTimer::singleShot(0, this, [key] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<QMessageBox*>(box));
            QTest::keyClick(box, key);
        });
        QtMessageBoxes boxes;
        const MessageBoxes::Message question(QStringLiteral("Remove this Pelorin ( 3) ?"),
                                             MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::None,
                                             AppTitle, defaultNo);
        QCOMPARE(boxes.MsgBox(question), answer);
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
