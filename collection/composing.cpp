// SPDX-License-Identifier: GPL-3.0-or-later
#include "composing.h"

#include "collectionfile.h"
#include "figurenames.h"

#include "platform/safewrite.h"
#include "puzzle/measures.h"
#include "puzzle/numbers.h"
#include "puzzle/pelorin1.h"

#include <QCoreApplication>
#include <cmath>

namespace {

using Answer = MessageBoxes::Answer;
using Buttons = MessageBoxes::Buttons;
using Icon = MessageBoxes::Icon;

// The smallest rectangle holding all five outline points of every piece.
struct Box {
    int BoxLeft = 9999;
    int BoxTop = 9999;
    int BoxRight = -1;
    int BoxBottom = -1;
};

Box boundingBox(PELORIN1& game) {
    Box box;
    for (int i = 0; i < PELORIN1::Pieces; ++i) {
        game.PlacedOutline(i, game.PiecePts);
        for (std::size_t k = 0; k < 5; ++k) {
            const QPoint pt = game.PiecePts[k];
            box.BoxLeft = std::min(box.BoxLeft, pt.x());
            box.BoxRight = std::max(box.BoxRight, pt.x());
            box.BoxTop = std::min(box.BoxTop, pt.y());
            box.BoxBottom = std::max(box.BoxBottom, pt.y());
        }
    }
    return box;
}

bool confirmed(PELORIN1& game, const QString& text) {
    return game.messages.MsgBox({text, Buttons::OkCancel, Icon::Information, AppTitle}) ==
           Answer::Ok;
}

void abandon(PELORIN1& game) {
    game.surfaces.board.Cls();
    game.DrawAllPieces();
}

bool collectionFull(PELORIN1& game, int figures) {
    if (figures < PELORIN1::MaxFigures)
        return false;
    CollectionFile::TellFailure(
        game, QCoreApplication::translate("Composing", "Pelorin not appended to file:"),
        game.FigureFilePath, CollectionFile::fullReason(figures));
    return true;
}

// A piece alone, or a cluster apart from the rest: the player may go on anyway.
bool connectionAccepted(PELORIN1& game) {
    const std::int16_t r = CheckConnection(game);
    const QString proceed =
        game.NewLine + QCoreApplication::translate("Composing", "Proceed anyway ?");
    if (r >= 0) {
        const std::int16_t level = game.PlayLevel;
        game.PlayLevel = 1;
        game.DrawPiece(r);
        const bool ok = confirmed(
            game, QCoreApplication::translate("Composing", "A block appears isolated !") + proceed);
        game.PlayLevel = level;
        return ok;
    }
    if (r == -99)
        return confirmed(game, QCoreApplication::translate(
                                   "Composing", "A cluster of blocks appear isolated !") +
                                   proceed);
    return true;
}

void showPreview(PELORIN1& game, const Box& box) {
    Surface& board = game.surfaces.board;
    for (int i = 0; i < PELORIN1::Pieces; ++i) {
        game.PlacedOutline(i, game.PiecePts);
        game.SetPieceColours(i);
        board.ForeColor = game.SilhouetteColour;
        board.FillStyle_ = Surface::FillStyle::Solid;
        board.Polygon(game.PiecePts.data(), 4);
    }
    board.FillStyle_ = Surface::FillStyle::Transparent;
    board.Rectangle(box.BoxLeft, box.BoxTop, box.BoxRight, box.BoxBottom, QBColor(14));
    board.Refresh();
}

std::array<std::int32_t, FigureFile::RecordFields> figureRecord(const PELORIN1& game,
                                                                const Box& box) {
    std::array<std::int32_t, FigureFile::RecordFields> fields{};
    fields[1] = box.BoxLeft;
    fields[2] = box.BoxTop;
    for (std::size_t i = 0; i < PELORIN1::Pieces; ++i) {
        fields[3 + 3 * i] = CInt(game.PieceOrient[i]);
        fields[4 + 3 * i] = CInt(game.BoardLeft + game.PieceX[i]);
        fields[5 + 3 * i] = CInt(game.BoardTop + game.PieceY[i]);
    }
    return fields;
}

// The collection with the record appended and, under the same lock, the names file beside
// it, when there is one, with an empty name for the new figure.
std::optional<QByteArray>
withRecordAndName(const PELORIN1& game, const QByteArray& current,
                  const std::array<std::int32_t, FigureFile::RecordFields>& fields, QString* why) {
    std::optional<QByteArray> next = CollectionFile::withRecord(current, fields, why);
    if (!next)
        return std::nullopt;
    const std::optional<FigureFile::Layout> layout = FigureFile::layoutOf(current, why);
    if (!layout || !FigureNames::follow(game.FigureFilePath, FigureNames::withNewFigure,
                                        static_cast<int>(layout->figures.records.size()), why))
        return std::nullopt;
    return next;
}

// Appends to the file as it is on disk now, under its lock: whatever another program added
// since it was loaded stays, and the new record's number follows the figures the file holds
// now.
bool writeRecord(PELORIN1& game, const Box& box) {
    const auto fields = figureRecord(game, box);
    QString why;
    if (SafeWrite::update(
            game.FigureFilePath, FigureFile::MaxFileBytes,
            [&](const QByteArray& current, QString* reason) {
                return withRecordAndName(game, current, fields, reason);
            },
            &why))
        return true;
    CollectionFile::TellFailure(
        game, QCoreApplication::translate("Composing", "Pelorin not appended to file:"),
        game.FigureFilePath, why);
    return false;
}

void showAppended(PELORIN1& game) {
    QString why;
    const PELORIN1::LoadResult result = game.LoadFigures(&why);
    if (result == PELORIN1::LoadResult::Ok) {
        game.CurrentFigure = game.FigureCount;
        game.ShowFigure();
    } else if (result != PELORIN1::LoadResult::TooMany) {
        CollectionFile::TellFailure(
            game, QCoreApplication::translate("Composing", "Pelorin appended but not read back:"),
            game.FigureFilePath, why);
    }
    abandon(game);
}

} // namespace

void CopyFigure(PELORIN1& game) {
    game.PlaySound(QStringLiteral("whoosh1"));
    const int f = game.CurrentFigure;
    if (!game.HasFigure(f))
        return; // an empty collection has no solution to lay out
    Surface& board = game.surfaces.board;
    Surface& hit = game.surfaces.hitMap;
    board.Cls();
    hit.Cls();
    for (std::size_t i = 0; i < PELORIN1::Pieces; ++i) {
        game.PieceX[i] = game.FigX[f][i] + 50;
        game.PieceY[i] = game.FigY[f][i] + 50;
        game.PieceOrient[i] = game.FigOrient[f][i];
        game.PlacedOutline(static_cast<int>(i), game.Pts);
        board.FillStyle_ = Surface::FillStyle::Solid;
        board.FillColor = game.SilhouetteColour;
        board.ForeColor = game.SilhouetteColour;
        board.Polygon(game.Pts.data(), 4);
        hit.FillStyle_ = Surface::FillStyle::Solid;
        hit.FillColor = QBColor(game.PieceColour[i]);
        hit.ForeColor = game.BoardBack;
        hit.Polygon(game.Pts.data(), 4);
    }
    game.CopiedFlag = 1;
    game.DrawAllPieces();
    board.Refresh();
}

void AppendFigure(PELORIN1& game) {
    if (collectionFull(game, game.FigureCount))
        return;
    const Box box = boundingBox(game);
    if (box.BoxRight - box.BoxLeft > Measures::AppendLimit ||
        box.BoxBottom - box.BoxTop > Measures::AppendLimit) {
        game.messages.MsgBox(
            {QCoreApplication::translate("Composing", "Pelorin is too wide or too tall")});
        abandon(game);
        return;
    }
    if (!connectionAccepted(game))
        return abandon(game);
    showPreview(game, box);
    const double c = CoveragePercent(game, box.BoxLeft, box.BoxTop, box.BoxRight, box.BoxBottom);
    if (c < 20 &&
        !confirmed(game,
                   NewLines(QCoreApplication::translate(
                       "Composing",
                       "Pelorin appears sparse; may be too easy to solve !\nAppend anyway ?"))))
        return abandon(game);
    if (!confirmed(game, NewLines(QCoreApplication::translate("Composing",
                                                              "Append this Pelorin to file:\n%1 ?"))
                             .arg(game.FigureFilePath)))
        return abandon(game);
    if (!writeRecord(game, box))
        return abandon(game);
    showAppended(game);
}

std::int16_t CheckConnection(PELORIN1& game) {
    std::array<PieceSet, 7> neighbours;
    for (std::size_t p = 0; p < 7; ++p)
        neighbours[p] = FindNeighbours(game, static_cast<int>(p));
    for (std::size_t a = 0; a < 7; ++a)
        for (std::size_t b = 0; b < 7; ++b)
            if (b != a && neighbours[b][a])
                neighbours[a][b] = true;
    for (std::size_t p = 0; p < 7; ++p)
        if (neighbours[p].none())
            return static_cast<std::int16_t>(p);
    PieceSet cluster = neighbours[0];
    for (int pass = 0; pass < 12; ++pass) {
        const PieceSet before = cluster;
        JoinNeighbours(neighbours, cluster);
        if (cluster == before)
            break;
    }
    return cluster.count() < 7 ? -99 : -1;
}

PieceSet FindNeighbours(PELORIN1& game, int piece) {
    static constexpr std::array<QPoint, 8> Probes{QPoint(3, -3), QPoint(3, 3), QPoint(-3, -3),
                                                  QPoint(-3, 3), QPoint(3, 0), QPoint(-3, 0),
                                                  QPoint(0, 3),  QPoint(0, -3)};
    game.PlacedOutline(piece, game.PiecePts);
    const ColourValue own = game.HitColour[static_cast<std::size_t>(piece)];
    PieceSet found;
    for (std::size_t k = 0; k < 4; ++k) {
        for (const QPoint& d : Probes) {
            const QPoint at = game.PiecePts[k] + d;
            const ColourValue c = game.surfaces.hitMap.Point(at.x(), at.y());
            if (c == game.BoardBack || c == own)
                continue;
            const auto j = std::find(game.HitColour.begin(), game.HitColour.end(), c);
            if (j != game.HitColour.end())
                found.set(static_cast<std::size_t>(j - game.HitColour.begin()));
        }
    }
    return found;
}

void JoinNeighbours(const std::array<PieceSet, 7>& neighbours, PieceSet& cluster) {
    const PieceSet members = cluster;
    for (std::size_t m = 0; m < 7; ++m)
        if (members[m])
            cluster |= neighbours[m];
}

double CoveragePercent(const PELORIN1& game, int left, int top, int right, int bottom) {
    const Surface& board = game.surfaces.board;
    std::int32_t covered = 0;
    std::int32_t background = 0;
    for (int x = left; x <= right; ++x) {
        for (int y = top; y <= bottom; ++y) {
            if (board.Point(x, y) == game.BoardBack)
                ++background;
            else
                ++covered;
        }
    }
    return std::floor(100.0 * covered / (static_cast<double>(covered) + background + 1));
}
