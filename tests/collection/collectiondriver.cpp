// SPDX-License-Identifier: GPL-3.0-or-later
// One of several games changing one collection at once, for tst_twogames. It starts a game
// core on the program folder and appends and removes figures of its own through the game's
// own operations, printing after each what the player was told:
//   A <id> done | A <id> refused <reason> | R <id> done | R <id> refused <reason>
// Usage: collectiondriver <program folder> <game 0..9> <operations up to 200>
#include "support/fakes.h"

#include "app/game.h"
#include "app/startup.h"
#include "collection/composing.h"
#include "collection/removing.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

// Figure `id` of the synthetic piece set: seven squares on a grid, piece 6 moved right by
// id % 20 and down by id / 20 pixels, which tells the figures apart.
void arrange(Game& game, int id) {
    PELORIN1& p = game.pelorin;
    for (std::size_t i = 0; i < PELORIN1::Pieces; ++i) {
        p.PieceOrient[i] = 0;
        p.PieceX[i] = 20 + 48 * static_cast<int>(i % 4);
        p.PieceY[i] = 20 + 48 * static_cast<int>(i / 4);
    }
    p.PieceX[6] += id % 20;
    p.PieceY[6] += id / 20;
    game.board.Cls();
    game.hitMap.Cls();
    p.DrawAllPieces();
}

int figureOf(const PELORIN1& p, int id) {
    for (int f = 1; f <= p.FigureCount; ++f) {
        const auto slot = static_cast<std::size_t>(f);
        if (p.FigX[slot][6] - p.FigX[slot][0] == 96 + id % 20 &&
            p.FigY[slot][6] - p.FigY[slot][0] == 48 + id / 20)
            return f;
    }
    return 0;
}

// The reason of the failure the player was told about, empty when none was.
QString failure(const FakeMessageBoxes& messages) {
    for (const MessageBoxes::Message& m : messages.shown)
        if (m.icon == MessageBoxes::Icon::Warning)
            return m.text.section(QStringLiteral("\n\r"), -1);
    return {};
}

void report(QTextStream& out, char operation, int id, const QString& why) {
    out << operation << ' ' << id << (why.isEmpty() ? " done" : " refused " + why) << Qt::endl;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const int player = QByteArray(argv[2]).toInt();
    const int operations = QByteArray(argv[3]).toInt();
    FakeMessageBoxes messages;
    RecordingSound sound;
    Game game(messages, sound, 15, 15);
    PELORIN1& p = game.pelorin;
    if (!StartUp(p, QString::fromLocal8Bit(argv[1])))
        return 2;
    QTextStream out(stdout);
    QList<int> mine; // appended, not yet removed
    for (int i = 0; i < operations; ++i) {
        messages.shown.clear();
        if (i % 3 == 2 && !mine.isEmpty()) {
            p.LoadFigures();
            p.CurrentFigure = figureOf(p, mine.first());
            const bool found = p.CurrentFigure > 0;
            RemoveFigure(p);
            const QString why = found ? failure(messages) : QStringLiteral("lost");
            report(out, 'R', mine.first(), why);
            if (why.isEmpty())
                mine.removeFirst();
        } else {
            const int id = player * 200 + i;
            arrange(game, id);
            AppendFigure(p);
            const QString why = failure(messages);
            report(out, 'A', id, why);
            if (why.isEmpty())
                mine.append(id);
        }
    }
    return 0;
}
