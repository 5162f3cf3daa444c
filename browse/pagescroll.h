// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figurepage.h"

class QScrollBar;

// The keys that leaf through a window of figure pages by its scroll bar: Page Up and Page
// Down by a page, Home and End to the first and the last page, Up and Down by a row. The
// scroll bar's own steps stay one row. Other keys do nothing.
void ScrollPageByKey(QScrollBar& bar, const PageGrid& grid, int qtKey);
