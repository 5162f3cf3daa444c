// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "puzzle/numbers.h"

namespace {

int targetWidth(double twipsX) {
    return CLng(Measures::TargetWidthTwips / twipsX);
}

int targetHeight(double twipsY) {
    return CLng(Measures::TargetHeightTwips / twipsY);
}

} // namespace

Game::Game(MessageBoxes& messages, SoundCommands& sound, double twipsX, double twipsY)
    : board(Measures::BoardWidth, Measures::BoardHeight, BoardBackColour, nullptr,
            Surface::Kind::Smooth),
      hitMap(Measures::BoardWidth, Measures::BoardHeight, HitMapBackColour),
      targetCanvas(targetWidth(twipsX), targetHeight(twipsY), TargetBackColour, nullptr,
                   Surface::Kind::Smooth),
      targetView(targetWidth(twipsX), targetHeight(twipsY), TargetBackColour, nullptr,
                 Surface::Kind::Smooth),
      pelorin({board, hitMap, targetCanvas, targetView}, messages, sound) {
    pelorin.TwipsX = twipsX;
    pelorin.TwipsY = twipsY;
}
