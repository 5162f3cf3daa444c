// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "puzzle/numbers.h"

namespace {

// The target pictures are 3680 x 4152 twips.
int targetWidth(double twipsX) {
    return CLng(3680 / twipsX);
}

int targetHeight(double twipsY) {
    return CLng(4152 / twipsY);
}

} // namespace

Game::Game(MessageBoxes& messages, SoundCommands& sound, double twipsX, double twipsY)
    : board(350, 390, BoardBackColour, nullptr, Surface::Kind::Smooth),
      hitMap(350, 390, HitMapBackColour),
      targetCanvas(targetWidth(twipsX), targetHeight(twipsY), TargetBackColour, nullptr,
                   Surface::Kind::Smooth),
      targetView(targetWidth(twipsX), targetHeight(twipsY), TargetBackColour, nullptr,
                 Surface::Kind::Smooth),
      pelorin({board, hitMap, targetCanvas, targetView}, messages, sound) {
    pelorin.TwipsX = twipsX;
    pelorin.TwipsY = twipsY;
}
