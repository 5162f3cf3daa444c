// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: the credits and the version, closed by "OK" or a click in the credits.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QPlainTextEdit* AboutText = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* AboutOk = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The credits shown in the about box.
QString CreditsText();
