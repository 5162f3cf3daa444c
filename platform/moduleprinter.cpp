// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduleprinter.h"

#include <QCoreApplication>

using MakePrinter = Printer* (*)(QWidget*);

ModulePrinter::ModulePrinter(QWidget* dialogParent, QStringList folders)
    : dialogParent_(dialogParent), folders_(std::move(folders)) {}

ModulePrinter::~ModulePrinter() = default;

Printer::Outcome ModulePrinter::PrintPage(QSize page, const PageDrawing& draw) {
    if (!printer_) {
        QString why;
        auto make = reinterpret_cast<MakePrinter>(ModuleFunction(
            folders_, QStringLiteral("zederoru_print"), "zederoru_make_printer", &why));
        if (!make)
            return {
                Outcome::Status::Failed,
                QCoreApplication::translate("Printer", "Printing is not available: %1.").arg(why),
                {}};
        printer_.reset(make(dialogParent_));
    }
    return printer_->PrintPage(page, draw);
}
