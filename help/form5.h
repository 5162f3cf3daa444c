// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

// The help window: the help page "Zederoru.htm" from the program folder.
class Form5 : public QDialog {
    Q_OBJECT
public:
    // appDir is the program folder with its trailing separator.
    explicit Form5(const QString& appDir, QWidget* parent = nullptr);

    QTextBrowser* WebBrowser1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void navigate(const QString& path);
    QSize pageSize();
    static QSize browserMargin();
};
