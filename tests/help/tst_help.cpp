// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/aboutform.h"
#include "help/form5.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void helpPageLoadsFromTheProgramFolder() {
        Form5 help(QStringLiteral(ZEDERORU_DATA_DIR "/"));
        QCOMPARE(help.WebBrowser1->source(),
                 QUrl::fromLocalFile(QStringLiteral(ZEDERORU_DATA_DIR "/Zederoru.htm")));
        QVERIFY(help.WebBrowser1->toPlainText().contains(QStringLiteral("How to play")));
        // The pictures beside the page are found.
        const QVariant board = help.WebBrowser1->loadResource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("help-board.png")));
        QVERIFY(!board.value<QImage>().isNull() || !board.value<QByteArray>().isEmpty());
    }

    void missingHelpPageIsNamed() {
        QTemporaryDir folder;
        const QString appDir = folder.path() + QLatin1Char('/');
        Form5 help(appDir);
        QVERIFY(help.WebBrowser1->toPlainText().contains(appDir + QStringLiteral("Zederoru.htm")));
    }

    // The page in the player's language when there is one, else the English one.
    void helpPageFollowsTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("page");
        QTest::newRow("German") << "de_DE"
                                << "Zederoru.de.htm";
        QTest::newRow("a region with a page of its own") << "fr_CA"
                                                         << "Zederoru.fr_CA.htm";
        QTest::newRow("a region without") << "de_AT"
                                          << "Zederoru.de.htm";
        QTest::newRow("a language without a page") << "es_ES"
                                                   << "Zederoru.htm";
        QTest::newRow("C") << "C"
                           << "Zederoru.htm";
    }

    void helpPageFollowsTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, page);
        QTemporaryDir folder;
        const QString appDir = folder.path() + QLatin1Char('/');
        for (const char* name : {"Zederoru.htm", "Zederoru.de.htm", "Zederoru.fr_CA.htm"}) {
            QFile file(appDir + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkdir(appDir + "Zederoru.es.htm")); // a folder is no page
        QCOMPARE(Form5::HelpPage(appDir, QLocale(locale)), appDir + page);
    }

    void browserKeepsItsMarginsOnResize_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(800, 600);
        QTest::newRow("smaller") << QSize(200, 150);
        QTest::newRow("smaller than the margins") << QSize(5, 20);
    }

    void browserKeepsItsMarginsOnResize() {
        QFETCH(QSize, size);
        Form5 help(QStringLiteral(ZEDERORU_DATA_DIR "/"));
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.resize(size);
        // 24 twips are 2 pixels at 15 twips per pixel.
        QCOMPARE(help.WebBrowser1->size(),
                 QSize(std::max(0, size.width() - 4), std::max(0, size.height() - 4)));
        QCOMPARE(help.WebBrowser1->pos(), QPoint(2, 2));
    }

    // Opened, the window shows the page's text beside its pictures, no blank band below the
    // browser, and all of a short page without scrolling.
    void helpOpensAtThePagesSize() {
        Form5 help(QStringLiteral(ZEDERORU_DATA_DIR "/"));
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const QRect browser = help.WebBrowser1->geometry();
        QCOMPARE(help.height() - browser.bottom() - 1, 2);
        QVERIFY(help.width() >= 64 * help.fontMetrics().averageCharWidth());
        const QSize room = help.screen()->availableGeometry().size();
        QVERIFY(help.height() <= room.height() * 9 / 10);
        QVERIFY(help.height() > 375);
        const QScrollBar* bar = help.WebBrowser1->verticalScrollBar();
        QVERIFY(help.height() == room.height() * 9 / 10 || bar->maximum() == 0);
        QCOMPARE(help.WebBrowser1->horizontalScrollBar()->maximum(), 0);
    }

    void aboutClosesByOkOrAClickInTheCredits_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("left click in the credits") << 1;
        QTest::newRow("right click in the credits") << 2;
    }

    void aboutClosesByOkOrAClickInTheCredits() {
        QFETCH(int, how);
        AboutForm about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        if (how == 0)
            QTest::mouseClick(about.AboutOk, Qt::LeftButton);
        else
            QTest::mousePress(about.AboutText->viewport(),
                              how == 1 ? Qt::LeftButton : Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
