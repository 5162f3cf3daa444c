// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/hint.h"
#include "play/pointerplay.h"

#include <QWidget>

class QLabel;
class PELORIN1;
class SurfaceWidget;

// The main window: the board Picture1 and the level label PStandard under it. The board's
// pointer and key events go to the play logic.
class FormMain : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(PELORIN1& game, QWidget* parent = nullptr);

    SurfaceWidget* Picture1 = nullptr;
    QLabel* PStandard = nullptr;

    // Shows where one piece goes, over the board, for a few seconds (the H key, and "Hint" in
    // the panel's menu).
    void ShowHint() { hint_.Show(); }
    const BoardHint& Hint() const { return hint_; }

signals:
    // Emitted once the window has closed; the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab turns a piece on the board; it never moves the focus.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void layOut();
    bool boardMouse(QEvent* event);
    void updateKeyMark();
    bool boardWheel(QEvent* event);
    bool boardKey(QEvent* event);

    PELORIN1& game_;
    PointerPlay pointer_;
    BoardHint hint_;
    QRect keyMarkShown_;
};
