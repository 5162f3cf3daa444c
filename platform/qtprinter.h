// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printer.h"

class QWidget;

// Prints on the system's default printer. Where the system has no printer, the page is
// offered as a PDF file chosen in a save dialog.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* dialogParent = nullptr) : dialogParent_(dialogParent) {}

    Outcome PrintPage(QSize page, const PageDrawing& draw) override;

private:
    Outcome printToPdf(QSize page, const PageDrawing& draw);

    QWidget* dialogParent_;
};
