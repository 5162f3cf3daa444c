// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/panelsession.h"

#include "app/commandline.h"
#include "app/translations.h"
#include "collection/removing.h"
#include "help/form5.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>

// The game on a German desktop: CTest starts this test under LANG and LC_ALL de_DE.UTF-8.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(LoadTranslations(*QCoreApplication::instance())); }

    void init() { s = std::make_unique<PanelSession>(); }

    void panelSpeaksGerman_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("text");
        QTest::newRow("a button's tip")
            << "MenuButx2" << QByteArray("toolTip") << "Diese Figur entfernen";
        QTest::newRow("View All's tip") << "MenuButx0" << QByteArray("toolTip") << "Alle zeigen";
        QTest::newRow("a group") << "MFrame1" << QByteArray("title") << "Schwierigkeit";
        QTest::newRow("a menu item") << "Hintx" << QByteArray("text") << "Tipp";
        QTest::newRow("the target's caption")
            << "TarPel" << QByteArray("title") << "Figur (1 von 3)";
    }

    void panelSpeaksGerman() {
        QFETCH(QString, object);
        QFETCH(QByteArray, property);
        QFETCH(QString, text);
        s->t.p.CurrentFigure = 1;
        s->t.p.ShowFigure();
        QObject* widget = s->panel->findChild<QObject*>(object);
        QVERIFY(widget);
        QCOMPARE(widget->property(property.constData()).toString(), text);
    }

    // The buttons act on their tips, which are German now.
    void buttonsStillAct() {
        s->t.p.CurrentFigure = 1;
        s->click(9); // Last
        QCOMPARE(s->t.p.CurrentFigure, 3);
        s->click(15); // Easy
        QCOMPARE(s->main->PStandard->text(), QString("Schwierigkeit: LEICHT"));
    }

    void messagesSpeakGerman() {
        s->t.p.CurrentFigure = 2;
        s->t.messages.script = {MessageBoxes::Answer::No};
        RemoveFigure(s->t.p);
        QCOMPARE(s->t.messages.texts(), QStringList{"Diese Figur ( 2) entfernen?"});
    }

    void helpPageAndCommandLineSpeakGerman() {
        const QString data = QStringLiteral(ZEDERORU_DATA_DIR "/");
        Form5 help(data);
        QCOMPARE(help.windowTitle(), QString("Zederoru-Hilfe"));
        QCOMPARE(help.WebBrowser1->source(), QUrl::fromLocalFile(data + "Zederoru.de.htm"));
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        runWithoutWindow(parseCommandLine({"--help"}), o, e);
        QVERIFY2(out.startsWith("Aufruf: zederoru"), qPrintable(out));
    }

    // Without a translation of the game nothing changes, not even Qt's own buttons.
    void otherLanguagesStayEnglish_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"C", "en_US", "en_GB", "it_IT"})
            QTest::newRow(name) << name;
    }

    void otherLanguagesStayEnglish() {
        QFETCH(QString, locale);
        QVERIFY(!LoadTranslations(*QCoreApplication::instance(), QLocale(locale)));
    }

private:
    std::unique_ptr<PanelSession> s;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
