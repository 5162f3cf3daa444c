// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLocale>

class QTextBrowser;

// The help window: the help page "Zederoru.htm" from the program folder, or the one in the
// player's language beside it ("Zederoru.de.htm").
class Form5 : public QDialog {
    Q_OBJECT
public:
    // appDir is the program folder with its trailing separator.
    explicit Form5(const QString& appDir, QWidget* parent = nullptr,
                   const QLocale& locale = QLocale());

    // The page for the locale's language (de_AT: "Zederoru.de_AT.htm", then "Zederoru.de.htm"),
    // or the English one when there is none.
    static QString HelpPage(const QString& appDir, const QLocale& locale);

    QTextBrowser* WebBrowser1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void navigate(const QString& path);
    QSize pageSize();
    static QSize browserMargin();
};
