// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtmessageboxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon qtIcon(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageBoxes::Buttons buttons) {
    switch (buttons) {
    case MessageBoxes::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageBoxes::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageBoxes::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageBoxes::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MessageBoxes::Answer::Cancel;
    case QMessageBox::Yes:
        return MessageBoxes::Answer::Yes;
    case QMessageBox::No:
        return MessageBoxes::Answer::No;
    default:
        return MessageBoxes::Answer::Ok;
    }
}

} // namespace

MessageBoxes::Answer QtMessageBoxes::MsgBox(const Message& message) {
    QMessageBox box(qtIcon(message.icon),
                    message.caption.isEmpty() ? AppTitle : message.caption,
                    displayText(message.text), qtButtons(message.buttons),
                    QApplication::activeWindow());
    if (message.buttons == Buttons::YesNo)
        box.setDefaultButton(message.defaultNo ? QMessageBox::No : QMessageBox::Yes);
    if (message.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}
