// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QList>

// Keeps every page handed over and answers with a scripted outcome.
class CapturingPrinter : public Printer {
public:
    Outcome PrintPage(const QImage& page) override {
        pages.append(page);
        return outcome;
    }

    Outcome outcome;
    QList<QImage> pages;
};
