// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutform.h"

#include "platform/twips.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

} // namespace

QString CreditsText() {
    return QCoreApplication::translate("AboutForm", "\n"
                                                    "Zederoru, by the Zederoru team\n"
                                                    "Write to us through the project page\n"
                                                    "January 2005");
}

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Zederoru"));
    setFixedSize(TwipsToPixelsX(5160), TwipsToPixelsY(1470));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(4620, 30, 480, 480));
    Picture1->setPixmap(QApplication::windowIcon().pixmap(Picture1->size()));

    AboutText = new QPlainTextEdit(CreditsText(), this);
    AboutText->setObjectName(QStringLiteral("AboutText"));
    AboutText->setGeometry(twipsRect(30, 30, 4500, 1050));
    AboutText->setReadOnly(true);
    AboutText->setBackgroundRole(QPalette::Button);
    AboutText->viewport()->setBackgroundRole(QPalette::Button);
    AboutText->setFrameShape(QFrame::NoFrame);
    AboutText->setLineWrapMode(QPlainTextEdit::NoWrap);
    AboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AboutText->viewport()->installEventFilter(this);

    Label1 = new QLabel(tr("Version %1").arg(QStringLiteral(ZEDERORU_VERSION)), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(0, 1125, 5145, 300));
    Label1->setAutoFillBackground(true);
    QPalette strip = Label1->palette();
    strip.setColor(QPalette::Window, Qt::black);
    strip.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(strip);

    AboutOk = new QPushButton(tr("OK"), this);
    AboutOk->setObjectName(QStringLiteral("AboutOk"));
    AboutOk->setGeometry(twipsRect(4605, 600, 510, 375));
    AboutOk->setDefault(true);
    connect(AboutOk, &QPushButton::clicked, this, &QDialog::accept);
}

// Pressing any mouse button in the credits closes the box like "OK".
bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AboutText->viewport() && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
