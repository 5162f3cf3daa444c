// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MessageBoxes;
class Printer;
class QImage;

// "Print this page": asks "Print this page?" and on Yes hands the page to the printer. A
// failure is reported to the player. Returns whether the page was printed.
bool PrintThisPage(MessageBoxes& messages, Printer& printer, const QImage& page);
