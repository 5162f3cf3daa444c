// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled as a file of the core floor would be: it must fail, the core has no widgets.
#include <QWidget>
