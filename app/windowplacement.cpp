#include "windowplacement.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QPoint pixelsOf(float left, float top) {
    return {TwipsToPixelsX(left), TwipsToPixelsY(top)};
}

bool onSomeScreen(const QRect& frame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* s) {
        return s->availableGeometry().intersects(frame);
    });
}

// The panel's menu is reached through its title bar: a stored place must leave a grip of
// it on a screen, the top edge not above the screen and more than a sliver of it beside.
bool titleBarOnSomeScreen(const QPoint& topLeft, int width) {
    constexpr int gripHeight = 8;
    constexpr int gripWidth = 48;
    const QRect titleBar(topLeft, QSize(width, gripHeight));
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* s) {
        const QRect grip = s->availableGeometry().intersected(titleBar);
        return grip.height() == gripHeight && grip.width() >= std::min(gripWidth, width);
    });
}

void placeSideBySide(QWidget& main, QWidget& panel) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int gap = 16;
    const int width = main.width() + gap + panel.width();
    const int left = area.left() + std::max(0, (area.width() - width) / 2);
    const int top = area.top() + std::max(0, (area.height() - main.height()) / 3);
    main.move(left, top);
    panel.move(left + main.frameGeometry().width() + gap, top);
}

} // namespace

void PlaceWindows(QWidget& main, QWidget& panel, const Settings& settings) {
    if (settings.hasPositions()) {
        const auto& p = settings.positions;
        const QPoint panelAt = pixelsOf(p[0], p[1]);
        const QPoint mainAt = pixelsOf(p[2], p[3]);
        if (onSomeScreen(QRect(panelAt, panel.size())) &&
            onSomeScreen(QRect(mainAt, main.size())) &&
            titleBarOnSomeScreen(panelAt, panel.frameGeometry().width())) {
            panel.move(panelAt);
            main.move(mainAt);
            return;
        }
    }
    placeSideBySide(main, panel);
}

std::array<float, 4> WindowPositions(const QWidget& main, const QWidget& panel) {
    const auto twipsX = static_cast<float>(TwipsPerPixelX());
    const auto twipsY = static_cast<float>(TwipsPerPixelY());
    return {static_cast<float>(panel.x()) * twipsX, static_cast<float>(panel.y()) * twipsY,
            static_cast<float>(main.x()) * twipsX, static_cast<float>(main.y()) * twipsY};
}
