// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace {

QPoint pixelsOf(float left, float top) {
    return {TwipsToPixelsX(left), TwipsToPixelsY(top)};
}

// A window not yet shown has not laid itself out: its size is still Qt's default, larger
// than the game's windows, and a place reckoned with it is wrong at every scale.
void settle(QWidget& window) {
    if (QLayout* layout = window.layout())
        layout->activate();
}

bool onSomeScreen(const QRect& frame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* s) { return s->availableGeometry().intersects(frame); });
}

// Stored and restored is the place of the client area: the window manager's frame is not
// known before a window is shown, and a frame place taken for a client place would move the
// window by the frame's size at every start.
void placeClientAt(QWidget& window, QPoint at) {
    window.setGeometry(QRect(at, window.size()));
}

// The frame the window manager gives a window: the same for every window of the game.
QMargins frameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool withinOneScreen(const QRect& frame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* s) { return s->availableGeometry().contains(frame); });
}

// The panel's menu is reached through its top, title bar and menu bar: a stored place (the
// client area's, just below the title bar) must leave a grip of it on a screen, the top edge
// not above the screen and more than a sliver of it beside.
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
    placeClientAt(main, QPoint(left, top));
    placeClientAt(panel, QPoint(left + main.width() + gap, top));
}

} // namespace

void PlaceWindows(QWidget& main, QWidget& panel, const Settings& settings) {
    settle(main);
    settle(panel);
    if (settings.hasPositions()) {
        const auto& p = settings.positions;
        const QPoint panelAt = pixelsOf(p[0], p[1]);
        const QPoint mainAt = pixelsOf(p[2], p[3]);
        if (onSomeScreen(QRect(panelAt, panel.size())) &&
            onSomeScreen(QRect(mainAt, main.size())) &&
            titleBarOnSomeScreen(panelAt, panel.frameGeometry().width())) {
            placeClientAt(panel, panelAt);
            placeClientAt(main, mainAt);
            return;
        }
    }
    placeSideBySide(main, panel);
}

std::array<float, 4> WindowPositions(const QWidget& main, const QWidget& panel) {
    const auto twipsX = static_cast<float>(TwipsPerPixelX());
    const auto twipsY = static_cast<float>(TwipsPerPixelY());
    const QPoint p = panel.geometry().topLeft();
    const QPoint m = main.geometry().topLeft();
    return {static_cast<float>(p.x()) * twipsX, static_cast<float>(p.y()) * twipsY,
            static_cast<float>(m.x()) * twipsX, static_cast<float>(m.y()) * twipsY};
}

void PlaceBeside(QWidget& window, const QWidget& main, const QWidget& panel) {
    settle(window);
    const QMargins frame = frameOf(panel);
    const QSize outer = window.size().grownBy(frame);
    const QRect p = panel.frameGeometry();
    const QRect m = main.frameGeometry();
    const int gap = 16;
    const std::array<QPoint, 4> corners{
        QPoint(p.right() + 1 + gap, p.top()), QPoint(p.left() - gap - outer.width(), p.top()),
        QPoint(m.right() + 1 + gap, m.top()), QPoint(m.left() - gap - outer.width(), m.top())};
    for (const QPoint& corner : corners) {
        const QRect place(corner, outer);
        if (withinOneScreen(place) && !place.intersects(p) && !place.intersects(m)) {
            placeClientAt(window, corner + QPoint(frame.left(), frame.top()));
            return;
        }
    }
}
