// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

class MessageBoxes;

// "Print this page": asks "Print this page?" and on Yes hands the page to the printer. A
// failure is reported to the player, and so is the file a page went into. Returns whether
// the page was printed.
bool PrintThisPage(MessageBoxes& messages, Printer& printer, QSize page,
                   const Printer::PageDrawing& draw);
