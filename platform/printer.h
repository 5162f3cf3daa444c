// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// Prints pages. The game hands over one finished page image; tests capture it instead.
class Printer {
public:
    struct Outcome {
        enum class Status { Printed, Cancelled, Failed };
        Status status = Status::Printed;
        QString reason; // for a failure: what went wrong, in the player's words
    };

    virtual ~Printer() = default;
    // Prints the image as one page, scaled to fit the page with its aspect kept.
    virtual Outcome PrintPage(const QImage& page) = 0;
};

// Where the image goes on a page: as large as fits, aspect kept, centred.
QRect FitOnPage(QSize image, QRect page);

// Writes the image as a one-page PDF file. The file is replaced only when the whole page was
// written; a failure leaves any earlier file as it was.
Printer::Outcome WritePdfPage(const QImage& page, const QString& path);
