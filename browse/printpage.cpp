// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpage.h"

#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>

bool PrintThisPage(MessageBoxes& messages, Printer& printer, QSize page,
                   const Printer::PageDrawing& draw) {
    using Message = MessageBoxes::Message;
    using Status = Printer::Outcome::Status;
    const Message question(QCoreApplication::translate("PrintPage", "Print this page?"),
                           MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::None, AppTitle);
    if (messages.MsgBox(question) != MessageBoxes::Answer::Yes)
        return false;
    const Printer::Outcome outcome = printer.PrintPage(page, draw);
    if (outcome.status == Status::Failed)
        messages.MsgBox(
            Message(QCoreApplication::translate("PrintPage", "The page was not printed.") + "\n\r" +
                        outcome.reason,
                    MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Warning));
    else if (outcome.status == Status::Printed && !outcome.writtenTo.isEmpty())
        messages.MsgBox(
            Message(QCoreApplication::translate("PrintPage", "The page was written to") + "\n\r" +
                        QDir::toNativeSeparators(outcome.writtenTo),
                    MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information));
    return outcome.status == Status::Printed;
}
