// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printer.h"

class QWidget;

// Prints on the system's default printer. Where the system has no printer, the page is
// offered as a PDF file chosen in a save dialog.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* dialogParent = nullptr) : dialogParent_(dialogParent) {}

    Outcome PrintPage(const QImage& page) override;

private:
    Outcome printToPdf(const QImage& page);

    QWidget* dialogParent_;
};
