// SPDX-License-Identifier: GPL-3.0-or-later
// Authoring tool for the shipped collections: reads the figure sources, lays the pieces,
// checks the figures with the collection checker and writes a collection (data/PELORIN.pel
// of all figures, or with --kinds one of the themed collections of some kinds of figure)
// and the figures' names beside it (data/PELORIN.names). With --pages it also draws every
// target, as the panel shows it, onto pages of thumbnails.
//
// A figure in the source is either a silhouette drawn on a grid, which the tool fills with
// the seven pieces, or a list of explicit placements:
//
//   figure animal Cat          figure person Runner
//   grid A                     place
//   .F7..                      0 2 0 0      piece orientation x y, where x and y are
//   .##..                      3 1 2+r 1    whole units (24 pixels) plus multiples of r
//   end                        end          (34 pixels, the diagonal unit)
//
// A line "themed" in a figure puts it only in the themed collections of its kind, not in
// PELORIN.pel, which keeps the best mixed few hundred. No two figures, in any of the sources
// read together, may share a name.
//
// Grid A cells are 24 pixels and take the pieces in their upright orientations; grid B
// cells are 34 pixels and take the diagonal ones. "blocks" instead of "grid A" draws the
// silhouette in blocks of 2 x 2 cells of grid A, the size of the square piece. A cell is '#' full,
// '.' empty, or a half cell named by the corner of its right angle: 'F' top left, '7' top right,
// 'L' bottom left, 'J' bottom right, or '+': a cell the pieces may cover or leave, as they fit.
// A drawing must hold exactly the pieces' 32 cells of grid A (16 of grid B), '+' cells
// counted either way; any other is refused with its line and count.
//
// For every figure the tool lists how many ways the seven pieces fill its silhouette, where
// they all lie on one grid. A square placed in an orientation play cannot reach is written in
// the reachable one that draws the same outline.

#include "app/game.h"
#include "collection/collectioncheck.h"
#include "collection/defaultpieceset.h"
#include "collection/figurefills.h"
#include "collection/figurenames.h"
#include "collection/figureshape.h"
#include "puzzle/figurefile.h"
#include "puzzle/piecegeometry.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

QTextStream out(stdout);

using FigureFills::Placement;

struct Figure {
    QString kind;
    QString name;
    QString sourceFile;
    int sourceLine = 0;
    QChar grid;              // 'A' or 'B' for a silhouette, 0 for placements
    int gridLine = 0;        // where the silhouette is drawn
    QStringList art;         // silhouette rows
    bool blocks = false;     // drawn in blocks of 2 x 2 cells
    QList<Placement> given;  // explicit placements
    bool themedOnly = false; // left out of the mixed default collection
    std::vector<Placement> pieces;
    double difficulty = 0;
    long fills = -1;       // ways the pieces fill the silhouette; -1 where it lies on no grid
    bool allFills = false; // every way counted, not only as many as the search reached
};

// "2", "r", "-1+2r", "1.5-0.5r": whole units of 24 pixels plus diagonal units of 34.
std::optional<int> pixels(const QString& text) {
    static const QRegularExpression term(QStringLiteral("([+-]?)([0-9.]*)(r?)"));
    double sum = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QRegularExpressionMatch m = term.match(text, pos);
        if (!m.hasMatch() || m.capturedStart() != pos || m.capturedLength() == 0)
            return std::nullopt;
        bool ok = true;
        const double n = m.captured(2).isEmpty() ? 1 : m.captured(2).toDouble(&ok);
        if (!ok || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
            return std::nullopt;
        sum += (m.captured(1) == QLatin1String("-") ? -n : n) * (m.captured(3).isEmpty() ? 24 : 34);
        pos += m.capturedLength();
    }
    if (sum != std::round(sum))
        return std::nullopt;
    return static_cast<int>(sum);
}

// One row of a silhouette drawn in blocks of 2 x 2 cells, as the first or second of the two
// cell rows it stands for. A half block is half of the whole block, cut along a diagonal.
QString blockRows(const QString& blocks, int half) {
    static const QMap<QChar, std::array<const char*, 2>> cells = {
        {QLatin1Char('#'), {"##", "##"}}, {QLatin1Char('+'), {"++", "++"}},
        {QLatin1Char('.'), {"..", ".."}}, {QLatin1Char('F'), {"#F", "F."}},
        {QLatin1Char('7'), {"7#", ".7"}}, {QLatin1Char('L'), {"L.", "#L"}},
        {QLatin1Char('J'), {".J", "J#"}}};
    QString row;
    for (const QChar c : blocks)
        row += QLatin1String(cells.value(c, {"??", "??"})[half]);
    return row;
}

bool fail(const QString& where, const QString& what) {
    QTextStream(stderr) << where << ": " << what << '\n';
    return false;
}

bool readSource(const QString& path, QList<Figure>& figures) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(path, file.errorString());
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    Figure* current = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("%1:%2").arg(path).arg(i + 1);
        const QString line = lines[i].trimmed();
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!current) {
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (words.size() < 3 || words[0] != QLatin1String("figure"))
                return fail(where, QStringLiteral("\"figure KIND NAME\" expected"));
            figures.append(Figure());
            current = &figures.last();
            current->kind = words[1];
            current->name = words.mid(2).join(QLatin1Char(' '));
            current->sourceFile = path;
            current->sourceLine = static_cast<int>(i + 1);
        } else if (line == QLatin1String("end")) {
            current = nullptr;
        } else if (words.size() == 2 && words[0] == QLatin1String("grid") &&
                   (words[1] == QLatin1String("A") || words[1] == QLatin1String("B"))) {
            current->grid = words[1].at(0);
            current->gridLine = static_cast<int>(i + 1);
        } else if (line == QLatin1String("blocks")) {
            current->grid = QLatin1Char('A');
            current->gridLine = static_cast<int>(i + 1);
            current->blocks = true;
        } else if (line == QLatin1String("place")) {
            continue;
        } else if (line == QLatin1String("themed")) {
            current->themedOnly = true;
        } else if (!current->grid.isNull() && current->blocks) {
            current->art.append(blockRows(line, 0));
            current->art.append(blockRows(line, 1));
        } else if (!current->grid.isNull()) {
            current->art.append(line);
        } else if (words.size() == 4) {
            const std::optional<int> x = pixels(words[2]);
            const std::optional<int> y = pixels(words[3]);
            const int piece = words[0].toInt();
            const int orient = words[1].toInt();
            if (!x || !y || piece < 0 || piece > 6 || orient < 0 || orient > 7)
                return fail(where, QStringLiteral("\"piece orientation x y\" expected"));
            current->given.append({piece, orient, QPoint(*x, *y)});
        } else {
            return fail(where, QStringLiteral("not understood: %1").arg(line));
        }
    }
    if (current)
        return fail(path, QStringLiteral("the last figure has no \"end\""));
    return true;
}

// The silhouette as quarter cells: each cell is cut by both diagonals into a top, right,
// bottom and left quarter, so that every half cell is two quarters. Cells marked '+' may
// be covered or not, whichever lets the pieces fit.
using FigureFills::Cover;
using FigureFills::MaxCells;
using FigureFills::quarterIndex;

struct Silhouette {
    Cover required;
    Cover allowed; // required and optional quarters
};

std::optional<Silhouette> silhouette(const Figure& f) {
    static const QMap<QChar, std::array<bool, 4>> quarters = {
        {QLatin1Char('#'), {true, true, true, true}},
        {QLatin1Char('+'), {true, true, true, true}},
        {QLatin1Char('.'), {false, false, false, false}},
        {QLatin1Char('F'), {true, false, false, true}},
        {QLatin1Char('7'), {true, true, false, false}},
        {QLatin1Char('L'), {false, false, true, true}},
        {QLatin1Char('J'), {false, true, true, false}}};
    Silhouette s;
    if (f.art.size() > MaxCells)
        return std::nullopt;
    for (int cy = 0; cy < f.art.size(); ++cy) {
        if (f.art[cy].size() > MaxCells)
            return std::nullopt;
        for (int cx = 0; cx < f.art[cy].size(); ++cx) {
            const QChar c = f.art[cy][cx];
            const auto q = quarters.constFind(c);
            if (q == quarters.constEnd())
                return std::nullopt;
            for (int k = 0; k < 4; ++k) {
                const auto i = static_cast<std::size_t>(quarterIndex(cx, cy, k));
                s.allowed[i] = (*q)[k];
                s.required[i] = (*q)[k] && c != QLatin1Char('+');
            }
        }
    }
    return s;
}

// Play turns the square only between its first two orientations; one drawn as another
// orientation is written as the reachable one that draws the same outline.
constexpr int Square = 3;

QPoint leastCorner(const PieceGeometry::PieceSet& set, int piece, int orient) {
    const auto& outline = set.outline[static_cast<std::size_t>(piece)][orient];
    QPoint least = outline[0];
    for (std::size_t k = 1; k < 4; ++k)
        least = QPoint(std::min(least.x(), outline[k].x()), std::min(least.y(), outline[k].y()));
    return least;
}

QList<QPoint> cornersFromLeast(const PieceGeometry::PieceSet& set, int piece, int orient) {
    const auto& outline = set.outline[static_cast<std::size_t>(piece)][orient];
    QList<QPoint> corners;
    for (std::size_t k = 0; k < 4; ++k)
        corners.append(outline[k] - leastCorner(set, piece, orient));
    std::sort(corners.begin(), corners.end(),
              [](QPoint a, QPoint b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    return corners;
}

Placement reachable(const PieceGeometry::PieceSet& set, const Placement& p) {
    if (p.piece != Square || p.orient <= 1)
        return p;
    for (int o = 0; o <= 1; ++o) {
        if (cornersFromLeast(set, p.piece, o) == cornersFromLeast(set, p.piece, p.orient))
            return {p.piece, o,
                    p.at + leastCorner(set, p.piece, p.orient) - leastCorner(set, p.piece, o)};
    }
    return p;
}

bool layPieces(const PieceGeometry::PieceSet& set, Figure& f) {
    if (f.grid.isNull()) {
        if (f.given.size() != 7)
            return fail(f.name, QStringLiteral("seven placements wanted"));
        for (const Placement& p : f.given)
            f.pieces.push_back(reachable(set, p));
        return true;
    }
    std::optional<Silhouette> wanted = silhouette(f);
    if (!wanted)
        return fail(f.name, QStringLiteral("the silhouette is too large or has unknown cells"));
    const bool diagonal = f.grid == QLatin1Char('B');
    const int unit = diagonal ? 34 : 24;
    // The seven pieces cover 32 cells of 24 pixels, or 16 of 34; a drawing of another size
    // would have to be trimmed or padded into a shape nobody drew.
    const std::size_t quarters = diagonal ? 16 * 4 : 32 * 4;
    if (wanted->required.count() > quarters || wanted->allowed.count() < quarters) {
        const QString held = wanted->required == wanted->allowed
                                 ? QString::number(wanted->required.count() / 4.0)
                                 : QStringLiteral("%1 to %2")
                                       .arg(wanted->required.count() / 4.0)
                                       .arg(wanted->allowed.count() / 4.0);
        return fail(QStringLiteral("%1:%2").arg(f.sourceFile).arg(f.gridLine),
                    QStringLiteral("%1: the drawing holds %2 cells, %3 wanted")
                        .arg(f.name, held)
                        .arg(quarters / 4));
    }
    const std::vector<FigureFills::Option> all =
        FigureFills::options(set, diagonal, unit, wanted->allowed);
    FigureFills::Solver solver(all, 1);
    if (!solver.solve(wanted->required, wanted->allowed))
        return fail(f.name, QStringLiteral("the pieces do not fit the silhouette"));
    for (const FigureFills::Option* o : solver.chosen)
        f.pieces.push_back({o->piece, o->orient, o->cell * unit});
    return true;
}

// The least x and the least y of the figure's outline points.
QPoint topLeft(const PieceGeometry::PieceSet& set, const Figure& f) {
    QPoint least(1 << 30, 1 << 30);
    for (const Placement& p : f.pieces) {
        for (const QPoint& q :
             PieceGeometry::placedOutline(set, p.piece, p.orient, p.at.x(), p.at.y())) {
            least.setX(std::min(least.x(), q.x()));
            least.setY(std::min(least.y(), q.y()));
        }
    }
    return least;
}

// The ways the seven pieces fill the figure's silhouette.
void countFills(const PieceGeometry::PieceSet& set, Figure& f) {
    std::array<Placement, 7> pieces;
    std::copy_n(f.pieces.begin(), 7, pieces.begin());
    const FigureFills::Count count = FigureFills::count(set, pieces);
    f.fills = count.ways;
    f.allFills = count.all;
}

// What makes a figure hard, each counted so that more is harder: pieces in diagonal
// positions, which the outline hides; few corners in the outline, each a clue to where a
// piece goes; and few ways to fill the silhouette, now that every filling is a solution
// (unknown where the pieces lie on no one grid: counted as the one recorded).
struct Hardness {
    double diagonalPieces = 0;
    double fewCorners = 0;
    double fewFills = 0;
};

Hardness hardness(const PieceGeometry::PieceSet& set, const Figure& f) {
    Hardness h;
    ::Silhouette::Arrangement outlines{};
    for (const Placement& p : f.pieces) {
        outlines[static_cast<std::size_t>(p.piece)] =
            PieceGeometry::placedOutline(set, p.piece, p.orient, p.at.x(), p.at.y());
        h.diagonalPieces += set.diagonal[static_cast<std::size_t>(p.piece)][p.orient & 7];
    }
    h.fewCorners = -static_cast<double>(FigureShape::outlineStretches(outlines).size());
    h.fewFills = -static_cast<double>(std::max(1L, f.fills));
    return h;
}

// Easy to hard: each figure's place in each of the three orders of hardness (ties share
// their places), added up. No one measure decides, and no weights need choosing.
void orderByHardness(const PieceGeometry::PieceSet& set, QList<Figure>& figures) {
    std::vector<Hardness> measured;
    for (const Figure& f : figures)
        measured.push_back(hardness(set, f));
    const std::array<double Hardness::*, 3> measures{&Hardness::diagonalPieces,
                                                     &Hardness::fewCorners, &Hardness::fewFills};
    for (const auto measure : measures) {
        for (qsizetype i = 0; i < figures.size(); ++i) {
            const double v = measured[static_cast<std::size_t>(i)].*measure;
            double below = 0, equal = 0;
            for (const Hardness& other : measured) {
                below += other.*measure < v;
                equal += other.*measure == v;
            }
            figures[i].difficulty += below + (equal - 1) / 2;
        }
    }
    std::stable_sort(figures.begin(), figures.end(),
                     [](const Figure& a, const Figure& b) { return a.difficulty < b.difficulty; });
}

// The figure as appending writes it, with its top left outline point at (60, 60).
QByteArray record(const PieceGeometry::PieceSet& set, const Figure& f, int n) {
    const QPoint least = topLeft(set, f);
    const QPoint shift = QPoint(60, 60) - least;
    std::array<std::int32_t, FigureFile::RecordFields> fields{n, 60, 60};
    for (const Placement& p : f.pieces) {
        const auto k = static_cast<std::size_t>(3 + 3 * p.piece);
        fields[k] = p.orient;
        fields[k + 1] = p.at.x() + shift.x();
        fields[k + 2] = p.at.y() + shift.y();
    }
    return FigureFile::formatRecord(fields);
}

class SilentMessages : public MessageBoxes {
public:
    Answer MsgBox(const Message&) override { return Answer::Ok; }
};

class NoSound : public SoundCommands {
public:
    void mciSendString(const QString&) override {}
};

// Pages of 8 x 6 targets, drawn by the game itself at Normal level, each with its number,
// kind and name.
void drawPages(const QString& collectionPath, const QList<Figure>& figures,
               const QString& pagePrefix) {
    SilentMessages messages;
    NoSound sound;
    Game game(messages, sound, 15, 15);
    PELORIN1& p = game.pelorin;
    p.FigureFilePath = collectionPath;
    p.LoadPieceSet();
    p.LoadFigures();
    constexpr int Columns = 8, Rows = 6, CellW = 180, CellH = 200;
    const int perPage = Columns * Rows;
    for (int page = 0; page * perPage < p.FigureCount; ++page) {
        QImage sheet(Columns * CellW, Rows * CellH, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int k = 0; k < perPage && page * perPage + k < p.FigureCount; ++k) {
            const int f = page * perPage + k + 1;
            p.CurrentFigure = f;
            p.ShowFigure();
            const QRect cell((k % Columns) * CellW, (k / Columns) * CellH, CellW, CellH);
            const QImage target = game.targetView.image().copy(0, 0, 234, 240);
            painter.drawImage(QRect(cell.topLeft() + QPoint(6, 0), QSize(168, 172)), target);
            painter.setPen(Qt::darkGray);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            const Figure& fig = figures[f - 1];
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(4, 172, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("%1 %2: %3").arg(f).arg(fig.kind, fig.name));
        }
        painter.end();
        sheet.save(QStringLiteral("%1%2.png").arg(pagePrefix).arg(page + 1));
    }
}

bool writeCollection(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        return fail(path, file.errorString());
    return true;
}

// The figure sources, the collection to write and where to draw pages, from the arguments
// [--kinds KIND,... | --all] SOURCE.txt... COLLECTION.pel [--pages PREFIX].
struct Arguments {
    QStringList sources;
    QString collection;
    QString pages;
    QStringList kinds; // only the figures of these kinds; all when empty
    bool all = false;  // every figure, themed ones too: shows that no two are alike anywhere
};

std::optional<Arguments> parseArguments(QStringList args) {
    Arguments a;
    args.removeFirst();
    if (args.size() >= 2 && args.first() == QLatin1String("--kinds")) {
        args.removeFirst();
        a.kinds = args.takeFirst().split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else if (!args.isEmpty() && args.first() == QLatin1String("--all")) {
        args.removeFirst();
        a.all = true;
    }
    if (args.size() >= 2 && args[args.size() - 2] == QLatin1String("--pages")) {
        a.pages = args.takeLast();
        args.removeLast();
    }
    if (args.size() < 2 || !args.last().endsWith(QLatin1String(".pel")))
        return std::nullopt;
    a.collection = args.takeLast();
    a.sources = args;
    return a;
}

QString fillsText(const Figure& f) {
    if (f.fills < 0)
        return QStringLiteral("pieces on no one grid");
    return QStringLiteral("%1%2 fill%3")
        .arg(f.allFills ? "" : "at least ")
        .arg(f.fills)
        .arg(f.fills == 1 ? "" : "s");
}

QString placeOf(const Figure& f) {
    return QStringLiteral("%1:%2").arg(f.sourceFile).arg(f.sourceLine);
}

// A name is what the View All window shows of a figure, so two figures of one name, even
// in two sources, would look like one figure listed twice.
bool namesDistinct(const QList<Figure>& figures) {
    QMap<QString, QString> firstPlace;
    bool distinct = true;
    for (const Figure& f : figures) {
        if (firstPlace.contains(f.name))
            distinct = fail(placeOf(f), QStringLiteral("%1 is also the name of the figure at %2")
                                            .arg(f.name, firstPlace.value(f.name)));
        else
            firstPlace.insert(f.name, placeOf(f));
    }
    return distinct;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const std::optional<Arguments> args = parseArguments(app.arguments());
    if (!args) {
        QTextStream(stderr)
            << "usage: figuretool [--kinds KIND,... | --all] SOURCE.txt... COLLECTION.pel "
               "[--pages PREFIX]\n";
        return 2;
    }
    QList<Figure> figures;
    for (const QString& source : args->sources)
        if (!readSource(source, figures))
            return 1;
    if (!namesDistinct(figures))
        return 1;
    if (!args->kinds.isEmpty())
        figures.removeIf([&](const Figure& f) { return !args->kinds.contains(f.kind); });
    else if (!args->all)
        figures.removeIf([](const Figure& f) { return f.themedOnly; });
    QString why;
    const PieceGeometry::PieceSet set =
        PieceGeometry::pieceSetFrom(*FigureFile::parseHeader(DefaultPieceSet(), &why));
    bool laid = true;
    for (Figure& f : figures) {
        if (!layPieces(set, f)) {
            laid = fail(placeOf(f), QStringLiteral("%1 cannot be laid").arg(f.name));
            continue;
        }
        countFills(set, f);
    }
    if (!laid)
        return 1;
    orderByHardness(set, figures);

    for (qsizetype i = 0; i < figures.size(); ++i)
        out << i + 1 << ": " << figures[i].kind << " " << figures[i].name << ", "
            << fillsText(figures[i]) << '\n';
    QByteArray data = DefaultPieceSet() + "Zederoru figures\r\n";
    for (qsizetype i = 0; i < figures.size(); ++i)
        data += record(set, figures[i], static_cast<int>(i + 1)) + "\r\n";
    const CollectionCheck::Result result = CollectionCheck::checkCollection(data);
    for (const CollectionCheck::Finding& finding : result.findings) {
        const qsizetype i = finding.line - 66;
        const QString who = i >= 0 && i < figures.size()
                                ? placeOf(figures[i]) + QLatin1Char(' ') + figures[i].name
                                : args->collection;
        out << who << ": " << finding.text << '\n';
    }
    QMap<QString, int> kinds;
    for (const Figure& f : figures)
        ++kinds[f.kind];
    for (auto k = kinds.cbegin(); k != kinds.cend(); ++k)
        out << k.key() << ": " << k.value() << '\n';
    out << CollectionCheck::summaryLine(args->collection, result) << '\n';
    // The pages are drawn from a copy beside them, so that figures with problems can be
    // looked at too; the collection itself is written only when it is clean.
    const QString pageCollection = args->pages + QStringLiteral("collection.pel");
    if (!args->pages.isEmpty() && writeCollection(pageCollection, data))
        drawPages(pageCollection, figures, args->pages);
    QByteArray names;
    for (const Figure& f : figures)
        names += f.name.toUtf8() + '\n';
    if (!result.clean() || !writeCollection(args->collection, data) ||
        !writeCollection(FigureNames::pathFor(args->collection), names))
        return 1;
    return 0;
}
