// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagescroll.h"

#include <QScrollBar>
#include <optional>

namespace {

std::optional<int> scrolledValue(const QScrollBar& bar, const PageGrid& grid, int qtKey) {
    switch (qtKey) {
    case Qt::Key_PageDown:
        return bar.value() + grid.perPage();
    case Qt::Key_PageUp:
        return bar.value() - grid.perPage();
    case Qt::Key_Down:
        return bar.value() + grid.columns;
    case Qt::Key_Up:
        return bar.value() - grid.columns;
    case Qt::Key_Home:
        return bar.minimum();
    case Qt::Key_End:
        return bar.maximum();
    default:
        return std::nullopt;
    }
}

} // namespace

void ScrollPageByKey(QScrollBar& bar, const PageGrid& grid, int qtKey) {
    const std::optional<int> value = scrolledValue(bar, grid, qtKey);
    if (value && bar.isEnabled()) // a collection that fits one page has nothing to scroll to
        bar.setValue(*value);
}
