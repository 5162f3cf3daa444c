// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/formmain.h"
#include "browse/allshapes.h"
#include "browse/printshapes.h"
#include "panel/form1.h"
#include "platform/qtfiledialogs.h"
#include "platform/moduleprinter.h"

struct Game;
struct Settings;
class MessageBoxes;

// The windows of one run and what connects them: the board, the panel, the view-all and
// print windows with their printer, the file dialogs of the collection operations, and help
// and about on demand.
class GameWindows {
public:
    GameWindows(Game& game, MessageBoxes& messages);

    // Places the two main windows where the settings say (or side by side) and shows them.
    void show(const Settings& settings);

    FormMain main;
    Form1 panel;
    AllShapes allShapes;
    ModulePrinter printer;
    PrintShapes printShapes;
    QtFileDialogs dialogs;

private:
    void connectPanel();
    void placeViewAll();

    Game& game_;
};
