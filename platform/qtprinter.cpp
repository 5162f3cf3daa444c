// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

Printer::Outcome QtPrinter::PrintPage(QSize page, const PageDrawing& draw) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return printToPdf(page, draw);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zederoru"));
    printer.setPageOrientation(page.width() > page.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
    QPainter painter;
    const QString refused =
        QCoreApplication::translate("Printer", "The printer %1 did not accept the page.")
            .arg(info.printerName());
    if (!painter.begin(&printer))
        return {Outcome::Status::Failed, refused, {}};
    DrawFitted(painter, page, draw);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {Outcome::Status::Failed, refused, {}};
    return {};
}

Printer::Outcome QtPrinter::printToPdf(QSize page, const PageDrawing& draw) {
    QFileDialog dialog(
        dialogParent_,
        QCoreApplication::translate("Printer", "No printer found - save the page as PDF"),
        QDir::home().filePath(QCoreApplication::translate("Printer", "Zederoru page.pdf")),
        QCoreApplication::translate("Printer", "PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {Outcome::Status::Cancelled, {}, {}};
    return WritePdfPage(page, draw, dialog.selectedFiles().constFirst());
}

// The print module's factory, which the game looks up when it first prints a page.
extern "C" Q_DECL_EXPORT Printer* zederoru_make_printer(QWidget* dialogParent) {
    return new QtPrinter(dialogParent);
}
