// SPDX-License-Identifier: GPL-3.0-or-later
#include "browsefixtures.h"

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

namespace BrowseFixtures {

using namespace Fixtures;

QByteArray squaresCollection(int count, const QList<int>& stacked) {
    QList<QByteArray> records;
    for (int n = 1; n <= count; ++n) {
        Placement pieces = spread(10, 10);
        if (stacked.contains(n))
            for (auto& piece : pieces)
                piece = {0, 10, 10};
        records.append(record(n, 10, 10, pieces));
    }
    return collection(syntheticHeader(), records);
}

void leaf(QWidget* window, QWidget* picture, const QList<Qt::Key>& keys, int notches) {
    for (Qt::Key key : keys)
        QTest::keyClick(window, key);
    const QPoint at(picture->width() / 2, picture->height() / 2);
    for (int k = 0; k < std::abs(notches); ++k) {
        QWheelEvent turn(at, picture->mapToGlobal(at), QPoint(),
                         QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        // As the player's wheel: only a spontaneous turn goes on to the picture's parents,
        // and sendEvent would make it a synthetic one.
        QSpontaneKeyEvent::setSpontaneous(&turn);
        qApp->notify(picture, &turn);
    }
}

} // namespace BrowseFixtures
