// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QImage>
#include <QList>
#include <QPainter>

// Keeps every page handed over, drawn at its own size as a window would show it, and answers
// with a scripted outcome. With pdfPath set, the page is also written there as a PDF file.
class CapturingPrinter : public Printer {
public:
    Outcome PrintPage(QSize page, const PageDrawing& draw) override {
        QImage image(page, QImage::Format_RGB32);
        QPainter painter(&image);
        draw(painter);
        pages.append(image);
        if (!pdfPath.isEmpty())
            WritePdfPage(page, draw, pdfPath);
        return outcome;
    }

    Outcome outcome;
    QList<QImage> pages;
    QString pdfPath;
};
