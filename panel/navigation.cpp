#include "navigation.h"

#include "puzzle/pelorin1.h"

#include <QTime>
#include <bit>
#include <optional>

void GoToFigure(PELORIN1& game, int figure) {
    game.CurrentFigure = figure;
    game.ShowFigure();
    game.CopiedFlag = 0;
    game.ResetPieces();
}

namespace {

// Seconds since midnight with their fraction, so that two clicks within one second still
// draw different figures.
unsigned timeOfDaySeed() {
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000;
    return std::bit_cast<unsigned>(seconds);
}

int randomFigure(PELORIN1& game) {
    game.Randomize(timeOfDaySeed());
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
