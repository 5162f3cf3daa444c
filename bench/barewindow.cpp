// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt Widgets window with one label, built with
// the same compiler and flags. scripts/bench.sh starts both side by side.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare Qt window"));
    label.setWindowTitle(QStringLiteral("Bare window"));
    label.show();
    return QApplication::exec();
}
