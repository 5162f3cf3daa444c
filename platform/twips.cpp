// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

double twipsFor(double dpi) {
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

} // namespace

double TwipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsFor(screen ? screen->logicalDotsPerInchX() : 96.0);
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsFor(screen ? screen->logicalDotsPerInchY() : 96.0);
}

int TwipsToPixelsX(double twips) {
    return static_cast<int>(std::lrint(twips / TwipsPerPixelX()));
}

int TwipsToPixelsY(double twips) {
    return static_cast<int>(std::lrint(twips / TwipsPerPixelY()));
}
