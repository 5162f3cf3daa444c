// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes.h"

#include "app/formmain.h"
#include "app/game.h"
#include "platform/surfacewidget.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

// Answers like FakeMessageBoxes and lets a test look at the game while a box is open.
class WatchingMessageBoxes : public FakeMessageBoxes {
public:
    Answer MsgBox(const Message& message) override;

    std::function<void()> whileShown;
};

// A started game with its main window shown, driven through the real board widget.
struct PlayBoard {
    WatchingMessageBoxes messages;
    RecordingSound sound;
    QTemporaryDir folder;
    Game game{messages, sound, 15, 15};
    PELORIN1& p = game.pelorin;
    std::unique_ptr<FormMain> main;

    // Writes PELORIN.pel, runs start-up with sound on, shows the main window on figure 1.
    bool start(const QByteArray& collection);
    QWidget* board() const { return main->Picture1; }

    // Board point at offset (dx, dy) from piece i's origin.
    QPoint at(int i, int dx = 24, int dy = 24) const;
    // Some point where the hit map answers piece i (null when there is none).
    QPoint pointOn(int i) const;
    void press(Qt::MouseButton button, QPoint pos) { QTest::mousePress(board(), button, {}, pos); }
    void move(QPoint pos) { QTest::mouseMove(board(), pos); }
    void release(Qt::MouseButton button, QPoint pos) {
        QTest::mouseRelease(board(), button, {}, pos);
    }
    void click(Qt::MouseButton button, QPoint pos) {
        press(button, pos);
        release(button, pos);
    }
    // The wheel turned by delta eighths of a degree (120 a notch) with the pointer at pos.
    void wheel(QPoint pos, int delta);
    // Left press at from, a first move there, a move and the release at to.
    void drag(QPoint from, QPoint to);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(board(), key, modifiers);
    }

    // The cue names played so far ("Click", "Slide", ...); other commands as they were.
    QStringList cues() const;
    // Lays the pieces of figure f at (x, y) in the figure's orientations and redraws.
    void layFigure(int f, double x, double y);
    // Draws board and hit map afresh after a test moved pieces directly.
    void redraw();
};
