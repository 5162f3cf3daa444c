// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fixtures.h"

#include "app/formmain.h"
#include "panel/form1.h"

#include <memory>

// A started game with both windows: the board window and the panel, which hands the keyboard
// back to the board window. Figures 1 to figureCount are the synthetic squares in a row.
struct PanelSession {
    explicit PanelSession(int figureCount = 3);

    TestGame t;
    std::unique_ptr<FormMain> main;
    std::unique_ptr<Form1> panel;

    // The command string that plays the named cue.
    QString cue(const QString& name) const;
    // Clicks the panel button with this index with the left mouse button.
    void click(int index) const;
    // Both windows shown, the panel active, as after the player clicked on it.
    bool showWithPanelActive() const;
};
