// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;

// Prints pages. The game hands over a page's size in pixels and how to draw it; the printer
// supplies a painter on its own device, scaled so that the page fills the paper, and the page
// goes out as drawn (polygons and text), never through a screen-sized picture. Tests capture
// the drawing instead.
class Printer {
public:
    struct Outcome {
        enum class Status { Printed, Cancelled, Failed };
        Status status = Status::Printed;
        QString reason;    // for a failure: what went wrong, in the player's words
        QString writtenTo; // the file the page went into, when it went into one
    };

    // Draws the page in its own pixels, from (0, 0) to its size.
    using PageDrawing = std::function<void(QPainter&)>;

    virtual ~Printer() = default;
    // Prints one page, scaled to fit the paper with its aspect kept.
    virtual Outcome PrintPage(QSize page, const PageDrawing& draw) = 0;
};

// Where the page goes on the paper: as large as fits, aspect kept, centred.
QRect FitOnPage(QSize image, QRect page);

// Sets the painter up so that the page's pixels fill as much of its device as fits, then
// draws the page.
void DrawFitted(QPainter& painter, QSize page, const Printer::PageDrawing& draw);

// Writes the page as a one-page PDF file. The file is replaced only when the whole page was
// written; a failure leaves any earlier file as it was.
Printer::Outcome WritePdfPage(QSize page, const Printer::PageDrawing& draw, const QString& path);
