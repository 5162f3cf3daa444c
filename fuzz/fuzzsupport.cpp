// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"

#include <QGuiApplication>

void startOffscreenApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}
