// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/surface.h"
#include "puzzle/measures.h"
#include "puzzle/pelorin1.h"

// Everything one run of the game holds: the four drawing surfaces and the puzzle state that
// draws on them, with the message and sound services it talks through.
struct Game {
    Game(MessageBoxes& messages, SoundCommands& sound, double twipsX, double twipsY);

    static constexpr ColourValue BoardBackColour = Measures::BoardBackColour;
    static constexpr ColourValue HitMapBackColour = RGB(255, 255, 255);
    static constexpr ColourValue TargetBackColour = RGB(250, 248, 242);

    Surface board;
    Surface hitMap;
    Surface targetCanvas;
    Surface targetView;
    PELORIN1 pelorin;
};
