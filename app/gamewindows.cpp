// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewindows.h"

#include "app/exitsequence.h"
#include "app/game.h"
#include "app/windowplacement.h"
#include "collection/composing.h"
#include "collection/opening.h"
#include "collection/removing.h"
#include "help/aboutform.h"
#include "help/form5.h"
#include "panel/navigation.h"

GameWindows::GameWindows(Game& game, MessageBoxes& messages)
    : main(game.pelorin), panel(game.pelorin),
      allShapes(
          game.pelorin, [&game](int figure) { GoToFigure(game.pelorin, figure); }, &panel),
      printer(&panel), printShapes(game.pelorin, messages, printer, &panel), dialogs(&main),
      game_(game) {
    connectPanel();
}

void GameWindows::connectPanel() {
    PELORIN1& p = game_.pelorin;
    Form1::Commands& c = panel.commands;
    panel.setMainWindow(&main);
    c.viewAll = [this] {
        placeViewAll();
        allShapes.ViewAll();
    };
    c.targetRightClick = [this] {
        placeViewAll();
        allShapes.ViewModal();
    };
    c.print = [this] { printShapes.ViewFirstPage(); };
    c.hint = [this] { main.ShowHint(); };
    c.help = [this, &p] { Form5(p.AppDir, &panel).exec(); };
    c.about = [this] { AboutForm(&panel).exec(); };
    c.copy = [&p] { CopyFigure(p); };
    c.append = [&p] { AppendFigure(p); };
    c.remove = [&p] { RemoveFigure(p); };
    c.saveAs = [this, &p] { SaveFigureFileAs(p, dialogs); };
    c.open = [this, &p] { OpenFigureFile(p, dialogs); };
    c.exit = [this, &p] { ExitGame(p, main, panel); };
    QObject::connect(&main, &FormMain::unloaded, &panel, &Form1::gameEnded);
    QObject::connect(&allShapes, &AllShapes::hidden, &panel, &Form1::giveFocusToMain);
}

// Opened beside the game the first time; later where the player left it.
void GameWindows::placeViewAll() {
    if (!allShapes.testAttribute(Qt::WA_Moved))
        PlaceBeside(allShapes, main, panel);
}

// The board window comes up last and active: the keys work from the start.
void GameWindows::show(const Settings& settings) {
    PlaceWindows(main, panel, settings);
    panel.show();
    main.show();
    panel.giveFocusToMain();
}
