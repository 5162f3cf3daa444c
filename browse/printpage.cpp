// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpage.h"

#include "platform/messages.h"
#include "platform/printer.h"

#include <QCoreApplication>

bool PrintThisPage(MessageBoxes& messages, Printer& printer, const QImage& page) {
    using Message = MessageBoxes::Message;
    const Message question(QCoreApplication::translate("PrintPage", "Print this page?"),
                           MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::None, AppTitle);
    if (messages.MsgBox(question) != MessageBoxes::Answer::Yes)
        return false;
    const Printer::Outcome outcome = printer.PrintPage(page);
    if (outcome.status == Printer::Outcome::Status::Failed)
        messages.MsgBox(
            Message(QCoreApplication::translate("PrintPage", "The page was not printed.") + "\n\r" +
                        outcome.reason,
                    MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Warning));
    return outcome.status == Printer::Outcome::Status::Printed;
}
