// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation.h"

#include "puzzle/pelorin1.h"

#include <optional>

void GoToFigure(PELORIN1& game, int figure) {
    game.CurrentFigure = figure;
    game.ShowFigure();
    game.CopiedFlag = 0;
    game.ResetPieces();
}

namespace {

int randomFigure(PELORIN1& game) {
    game.Randomize();
    return game.RandomFigure();
}

std::optional<int> target(PELORIN1& game, FigureStep step) {
    switch (step) {
    case FigureStep::First:
        return 1;
    case FigureStep::Left:
        if (game.CurrentFigure - 1 > 0)
            return game.CurrentFigure - 1;
        return std::nullopt;
    case FigureStep::Right:
        if (game.CurrentFigure + 1 <= game.FigureCount)
            return game.CurrentFigure + 1;
        return std::nullopt;
    case FigureStep::Last:
        return game.FigureCount;
    case FigureStep::Random:
        return randomFigure(game);
    }
    return std::nullopt;
}

} // namespace

void StepToFigure(PELORIN1& game, FigureStep step) {
    if (const std::optional<int> n = target(game, step))
        GoToFigure(game, *n);
}
