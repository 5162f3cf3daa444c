// SPDX-License-Identifier: GPL-3.0-or-later
#include "collectioncheck.h"

#include "defaultpieceset.h"
#include "figurefills.h"
#include "figureshape.h"
#include "platform/surface.h"
#include "puzzle/fieldreader.h"
#include "puzzle/figurefile.h"
#include "puzzle/numbers.h"
#include "puzzle/piecegeometry.h"
#include "puzzle/silhouette.h"

#include <QCoreApplication>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace CollectionCheck {

namespace {

using PieceGeometry::Polygon;

// Pieces are placed in whole pixels, and a diagonal edge in 34-pixel units is not quite as
// long as one in 24-pixel units (34 is 24 x 1.4167, not 24 x 1.4142). Where a corner of one
// piece should lie on the edge of another it may therefore stand up to a pixel off. Edges
// within one pixel of each other touch, and a common part no thicker than one pixel is
// that slack, not an overlap. A contact must be at least a pixel long to be one.
constexpr double ContactTolerance = 1.0;
constexpr double MinimumContact = 1.0;
constexpr double OverlapTolerance = 1.0;

// Silhouettes that share this much of their area, in percent, in one of the eight ways to lay
// one onto the other, are the same shape turned or mirrored; from NearlyAlike on they are
// too alike for the player to tell them apart.
constexpr int Congruent = 98;
constexpr int NearlyAlike = 95;
// Uncovered pixels inside the silhouette beyond the seams that pieces a pixel apart leave.
constexpr int HoleTolerance = 40;
// Straight stretches of the outline shorter than MinimumStep pixels are steps that give a
// joint away; below StepTolerance they are the slack of whole-pixel places. The shortest
// stretch the pieces make without a joint showing is 19.8 pixels (a 68-pixel side beside a
// 48-pixel one); the steps players noticed in the default collection were 4 to 14 pixels.
constexpr double StepTolerance = 2.0;
constexpr double MinimumStep = 16.0;

QString wayName(int way) {
    static const char* const names[8] = {
        QT_TRANSLATE_NOOP("CollectionCheck", "as it is"),
        QT_TRANSLATE_NOOP("CollectionCheck", "turned a quarter"),
        QT_TRANSLATE_NOOP("CollectionCheck", "turned half round"),
        QT_TRANSLATE_NOOP("CollectionCheck", "turned three quarters"),
        QT_TRANSLATE_NOOP("CollectionCheck", "mirrored"),
        QT_TRANSLATE_NOOP("CollectionCheck", "mirrored and turned a quarter"),
        QT_TRANSLATE_NOOP("CollectionCheck", "mirrored and turned half round"),
        QT_TRANSLATE_NOOP("CollectionCheck", "mirrored and turned three quarters")};
    return QCoreApplication::translate("CollectionCheck", names[way]);
}

// The square is the piece whose orientations come in pairs that draw the same outline; play
// only ever turns it between the first two.
constexpr std::size_t Square = 3;
// The probes appending uses around every corner of a piece to find its neighbours.
constexpr std::array<QPoint, 8> CornerProbes{QPoint(3, -3), QPoint(3, 3), QPoint(-3, -3),
                                             QPoint(-3, 3), QPoint(3, 0), QPoint(-3, 0),
                                             QPoint(0, 3),  QPoint(0, -3)};

struct Placed {
    std::array<int, 7> orient{};
    std::array<QPoint, 7> origin{};
    QPoint reference;
};

class Checker {
    Q_DECLARE_TR_FUNCTIONS(CollectionCheck)

public:
    Checker(Result& result, CountFills countFills) : result_(result), countFills_(countFills) {}

    void run(const QByteArray& data);

private:
    void report(int line, const QString& text) { result_.findings.append({line, text}); }
    bool checkHeader(const QList<QByteArray>& lines, const QByteArray& data);
    std::optional<Placed> parse(int line, const QByteArray& text);
    void checkFigure(int line, const Placed& figure);
    void checkOverlaps(int line, const std::array<Polygon, 7>& polygons);
    void checkContacts(int line, const std::array<Polygon, 7>& polygons,
                       const Silhouette::Arrangement& outlines);
    bool checkSize(int line, const Placed& figure);
    void checkDuplicate(int line, const Placed& figure, bool measured);
    bool checkLikeness(int line, const std::array<FigureShape::Sampled, 8>& ways);
    void checkSquare(int line, const Placed& figure);
    void checkOutline(int line, const Silhouette::Arrangement& outlines);
    void countFills(int line, const Placed& figure);

    struct Earlier {
        int line;
        QByteArray key;
        Silhouette::Arrangement outlines;
        std::array<FigureShape::Sampled, 8> ways;
    };

    Result& result_;
    CountFills countFills_;
    PieceGeometry::PieceSet set_;
    QList<Earlier> earlier_; // the figures so far that duplicate none before them
};

QString pieceList(const std::vector<int>& pieces) {
    QStringList names;
    for (int p : pieces)
        names.append(QString::number(p));
    return names.join(QLatin1Char(' '));
}

// Compares what the readers use of a header: the home places and every shape field but
// the three that are ignored.
int firstDifferentHeaderLine(const FigureFile::PieceSetFields& a,
                             const FigureFile::PieceSetFields& b) {
    for (std::size_t i = 0; i < 7; ++i) {
        if (a.home[i] != b.home[i])
            return static_cast<int>(i) + 1;
    }
    for (std::size_t i = 0; i < 7; ++i) {
        for (std::size_t o = 0; o < 8; ++o) {
            for (std::size_t f = 0; f < 18; ++f) {
                if (f != 0 && f != 4 && f != 5 && a.shape[i][o][f] != b.shape[i][o][f])
                    return static_cast<int>(8 + 8 * i + o);
            }
        }
    }
    return 0;
}

bool Checker::checkHeader(const QList<QByteArray>& lines, const QByteArray& data) {
    if (lines.size() < FigureFile::HeaderLines) {
        report(0, tr("the header is shorter than 64 lines"));
        return false;
    }
    QString why;
    const std::optional<FigureFile::PieceSetFields> header = FigureFile::parseHeader(data, &why);
    if (!header) {
        report(0, tr("the header cannot be read: %1").arg(why));
        return false;
    }
    QString unused;
    const std::optional<FigureFile::PieceSetFields> standard =
        FigureFile::parseHeader(DefaultPieceSet(), &unused);
    const int differs = firstDifferentHeaderLine(*header, *standard);
    if (differs > 0)
        report(differs, tr("the header differs from the default piece set"));
    set_ = PieceGeometry::pieceSetFrom(*header);
    return true;
}

std::optional<Placed> Checker::parse(int line, const QByteArray& text) {
    FieldReader reader(text);
    FigureFile::Record r{};
    for (int i = 0; i < FigureFile::RecordFields; ++i) {
        const std::optional<QByteArray> raw = reader.numericField();
        if (!raw) {
            report(line, tr("malformed record: %1 fields, 24 expected").arg(i));
            return std::nullopt;
        }
        const std::optional<double> v = parseNumber(*raw);
        if (!v) {
            report(line, tr("malformed record: field %1 \"%2\" is not a number")
                             .arg(i + 1)
                             .arg(QString::fromLatin1(*raw)));
            return std::nullopt;
        }
        if (!fitsInt16(*v) || *v != Int(*v)) {
            report(line, tr("malformed record: field %1 (%2) is not a 16-bit "
                            "whole number")
                             .arg(i + 1)
                             .arg(*v));
            return std::nullopt;
        }
        r[static_cast<std::size_t>(i)] = *v;
    }
    Placed figure;
    for (std::size_t k = 0; k < 7; ++k) {
        const int o = static_cast<int>(r[3 + 3 * k]);
        if (o < 0 || o > 7) {
            report(line, tr("malformed record: piece %1 has orientation %2, "
                            "0 to 7 expected")
                             .arg(k)
                             .arg(o));
            return std::nullopt;
        }
        figure.orient[k] = o;
        figure.origin[k] = QPoint(static_cast<int>(r[4 + 3 * k]), static_cast<int>(r[5 + 3 * k]));
    }
    if (!FigureFile::isFigure(r)) {
        report(line, tr("record number %1 is not above 0, so the game skips it").arg(r[0]));
        return std::nullopt;
    }
    figure.reference = QPoint(static_cast<int>(r[1]), static_cast<int>(r[2]));
    return figure;
}

void Checker::checkOverlaps(int line, const std::array<Polygon, 7>& polygons) {
    for (std::size_t a = 0; a < 7; ++a) {
        for (std::size_t b = a + 1; b < 7; ++b) {
            const Polygon common = PieceGeometry::intersection(polygons[a], polygons[b]);
            if (!common.isEmpty() && PieceGeometry::thickness(common) > OverlapTolerance)
                report(line, tr("pieces %1 and %2 overlap by %3 square pixels")
                                 .arg(a)
                                 .arg(b)
                                 .arg(PieceGeometry::area(common), 0, 'f', 1));
        }
    }
}

// Whether appending sees piece b next to a corner of piece a: a probe a few pixels from
// the corner lands on b's pixels (a pixel is b's where its centre lies inside b).
bool probeTouches(const std::array<QPoint, 5>& a, const Polygon& b) {
    const QPolygonF shape(b);
    for (std::size_t k = 0; k < 4; ++k) {
        for (const QPoint& d : CornerProbes) {
            if (shape.containsPoint(QPointF(a[k] + d) + QPointF(0.5, 0.5), Qt::OddEvenFill))
                return true;
        }
    }
    return false;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double squared = QPointF::dotProduct(ab, ab);
    const double t =
        squared == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / squared, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

// Whether a corner of piece a lies on piece b's outline, within the slack.
bool cornerMeets(const Polygon& a, const Polygon& b) {
    for (const QPointF& corner : a) {
        for (qsizetype k = 0; k < b.size(); ++k) {
            if (distanceToSegment(corner, b[k], b[(k + 1) % b.size()]) <= ContactTolerance)
                return true;
        }
    }
    return false;
}

// Pieces that meet along an edge hold together; so do pieces that meet at a corner where
// appending sees them as neighbours.
bool touching(const std::array<Polygon, 7>& polygons, const Silhouette::Arrangement& outlines,
              std::size_t a, std::size_t b) {
    if (PieceGeometry::sharedEdgeLength(polygons[a], polygons[b], ContactTolerance) >=
        MinimumContact)
        return true;
    return (cornerMeets(polygons[a], polygons[b]) || cornerMeets(polygons[b], polygons[a])) &&
           (probeTouches(outlines[a], polygons[b]) || probeTouches(outlines[b], polygons[a]));
}

void Checker::checkContacts(int line, const std::array<Polygon, 7>& polygons,
                            const Silhouette::Arrangement& outlines) {
    std::array<int, 7> cluster{0, 1, 2, 3, 4, 5, 6};
    auto root = [&](int p) {
        while (cluster[static_cast<std::size_t>(p)] != p)
            p = cluster[static_cast<std::size_t>(p)];
        return p;
    };
    for (std::size_t a = 0; a < 7; ++a) {
        for (std::size_t b = a + 1; b < 7; ++b) {
            if (touching(polygons, outlines, a, b))
                cluster[static_cast<std::size_t>(root(static_cast<int>(b)))] =
                    root(static_cast<int>(a));
        }
    }
    std::map<int, std::vector<int>> groups;
    for (int p = 0; p < 7; ++p)
        groups[root(p)].push_back(p);
    if (groups.size() == 1)
        return;
    QStringList clusters;
    for (const auto& [first, members] : groups) {
        if (members.size() == 1)
            report(line, tr("piece %1 touches no other piece").arg(first));
        else
            clusters.append(pieceList(members));
    }
    if (clusters.size() > 1)
        report(line, tr("the pieces fall apart into clusters: %1")
                         .arg(clusters.join(QStringLiteral(" | "))));
}

// The coverage of the box as appending measures it: the arrangement drawn as a silhouette,
// the box outlined on top, every pixel inside the box that is not background counted.
int coverage(const std::array<std::array<QPoint, 5>, 7>& outlines, const QRect& box) {
    Surface board(box.width() + 2, box.height() + 2, Measures::BoardBackColour);
    board.FillStyle_ = Surface::FillStyle::Solid;
    board.FillColor = 0;
    board.ForeColor = 0;
    const QPoint shift = QPoint(1, 1) - box.topLeft();
    for (const auto& outline : outlines) {
        std::array<QPoint, 4> points;
        for (std::size_t k = 0; k < 4; ++k)
            points[k] = outline[k] + shift;
        board.Polygon(points.data(), 4);
    }
    board.Rectangle(1, 1, box.width(), box.height(), QBColor(14));
    std::int64_t covered = 0;
    std::int64_t empty = 0;
    for (int x = 1; x <= box.width(); ++x) {
        for (int y = 1; y <= box.height(); ++y)
            (board.Point(x, y) == Measures::BoardBackColour ? empty : covered) += 1;
    }
    return static_cast<int>(
        Int(100.0 * static_cast<double>(covered) / static_cast<double>(covered + empty + 1)));
}

std::array<std::array<QPoint, 5>, 7> outlinesOf(const PieceGeometry::PieceSet& set,
                                                const Placed& figure) {
    std::array<std::array<QPoint, 5>, 7> outlines;
    for (std::size_t k = 0; k < 7; ++k)
        outlines[k] = PieceGeometry::placedOutline(set, static_cast<int>(k), figure.orient[k],
                                                   figure.origin[k].x(), figure.origin[k].y());
    return outlines;
}

// The box over all five outline points, right and bottom included, as appending takes it.
QRect boxOf(const std::array<std::array<QPoint, 5>, 7>& outlines) {
    int left = 9999, top = 9999, right = -99999, bottom = -99999;
    for (const auto& outline : outlines) {
        for (const QPoint& p : outline) {
            left = std::min(left, p.x());
            top = std::min(top, p.y());
            right = std::max(right, p.x());
            bottom = std::max(bottom, p.y());
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Whether the target view shows the whole figure: it is drawn 5 pixels right and 14 down
// of its reference corner, then centred in 3500 x 3600 twips (at 15 twips a pixel).
bool fitsTargetView(const std::array<std::array<QPoint, 5>, 7>& outlines, QPoint reference) {
    int minX = 1 << 30, minY = 1 << 30, maxX = 0, maxY = 0;
    for (const auto& outline : outlines) {
        for (const QPoint& p : outline) {
            const int x = 5 + p.x() - reference.x();
            const int y = 14 + p.y() - reference.y();
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
        }
    }
    const float w = 3500.0f / 15;
    const float h = 3600.0f / 15;
    const float dx = static_cast<float>(CLng((w - static_cast<float>(maxX)) / 2));
    const float dy = static_cast<float>(CLng((h - static_cast<float>(maxY)) / 2));
    return dx + static_cast<float>(minX) >= 0 && dy + static_cast<float>(minY) >= 0 &&
           dx + static_cast<float>(maxX) <= w && dy + static_cast<float>(maxY) <= h;
}

// Whether the figure is small enough to be measured as a silhouette: appending takes it.
bool Checker::checkSize(int line, const Placed& figure) {
    const auto outlines = outlinesOf(set_, figure);
    const QRect box = boxOf(outlines);
    const int width = box.width() - 1;
    const int height = box.height() - 1;
    if (width > AppendLimit || height > AppendLimit) {
        report(line, tr("the figure is %1 x %2 pixels, wider or taller than the "
                        "%3 appending allows")
                         .arg(width)
                         .arg(height)
                         .arg(AppendLimit));
        return false;
    }
    if (!fitsTargetView(outlines, figure.reference))
        report(line, tr("the figure is %1 x %2 pixels and does not fit the target "
                        "view (%3 x %4)")
                         .arg(width)
                         .arg(height)
                         .arg(TargetViewWidth)
                         .arg(TargetViewHeight));
    const int percent = coverage(outlines, box);
    if (percent < MinimumDensity)
        report(line, tr("the figure is sparse: it covers %1% of its box, at least "
                        "%2% wanted")
                         .arg(percent)
                         .arg(MinimumDensity));
    return true;
}

// The arrangement as a set of outlines relative to its top-left corner; the two pieces of
// a congruent pair are interchangeable, and orientations that draw the same outline (the
// square's) are one.
QByteArray arrangementKey(const std::array<std::array<QPoint, 5>, 7>& outlines) {
    const QRect box = boxOf(outlines);
    std::array<QByteArray, 7> keys;
    for (std::size_t k = 0; k < 7; ++k) {
        std::vector<std::pair<int, int>> corners;
        for (std::size_t c = 0; c < 4; ++c)
            corners.emplace_back(outlines[k][c].x() - box.left(), outlines[k][c].y() - box.top());
        std::sort(corners.begin(), corners.end());
        corners.erase(std::unique(corners.begin(), corners.end()), corners.end());
        for (const auto& [x, y] : corners)
            keys[k] += QByteArray::number(x) + ',' + QByteArray::number(y) + ';';
    }
    if (keys[1] < keys[0])
        std::swap(keys[0], keys[1]);
    if (keys[4] < keys[2])
        std::swap(keys[2], keys[4]);
    QByteArray key;
    for (const QByteArray& k : keys)
        key += k + '|';
    return key;
}

// A figure the player cannot tell from an earlier one: the same arrangement, one that
// forms the same silhouette, so that each figure accepts the other's solution, or the
// earlier shape turned or mirrored, or nearly so. Only a figure small enough to be measured
// is compared by its shape.
void Checker::checkDuplicate(int line, const Placed& figure, bool measured) {
    const Silhouette::Arrangement outlines = outlinesOf(set_, figure);
    const QByteArray key = arrangementKey(outlines);
    std::array<FigureShape::Sampled, 8> ways;
    if (measured)
        ways = FigureShape::turnsAndMirrors(outlines);
    for (const Earlier& earlier : earlier_) {
        if (earlier.key == key) {
            report(line, tr("the same figure as line %1").arg(earlier.line));
            return;
        }
        if (Silhouette::sameSilhouette(outlines, earlier.outlines)) {
            report(line, tr("the same silhouette as line %1: each figure accepts "
                            "the other's solution")
                             .arg(earlier.line));
            return;
        }
    }
    if (!measured || !checkLikeness(line, ways))
        earlier_.append({line, key, outlines, ways});
}

// Reports the earlier figure most like this one when the two silhouettes share at least
// NearlyAlike of their area in one of the eight ways to lay one onto the other.
bool Checker::checkLikeness(int line, const std::array<FigureShape::Sampled, 8>& ways) {
    int best = 0, bestLine = 0, bestWay = 0;
    for (const Earlier& earlier : earlier_) {
        int way = 0;
        const int percent = FigureShape::bestOverlap(ways[0], earlier.ways, NearlyAlike, &way);
        if (percent > best)
            best = percent, bestLine = earlier.line, bestWay = way;
    }
    if (best >= Congruent)
        report(line, tr("the shape of line %1 %2").arg(bestLine).arg(wayName(bestWay)));
    else if (best >= NearlyAlike)
        report(line, tr("nearly the shape of line %1 %2: %3% of the area in common")
                         .arg(bestLine)
                         .arg(wayName(bestWay))
                         .arg(best));
    return best >= NearlyAlike;
}

// Play turns the square only between its first two orientations; a record with another
// never matches what the player lays.
void Checker::checkSquare(int line, const Placed& figure) {
    const int o = figure.orient[Square];
    if (o <= 1)
        return;
    const int reachable =
        set_.diagonal[Square][static_cast<std::size_t>(o)] == set_.diagonal[Square][1] ? 1 : 0;
    report(line, tr("the square (piece %1) has orientation %2, which play never reaches; write %3")
                     .arg(Square)
                     .arg(o)
                     .arg(reachable));
}

// A hole inside the silhouette, or a step in its outline that shows where two pieces meet.
void Checker::checkOutline(int line, const Silhouette::Arrangement& outlines) {
    const int hole = FigureShape::holeArea(outlines);
    if (hole > HoleTolerance)
        report(line, tr("the silhouette encloses a hole of %1 square pixels").arg(hole));
    std::vector<double> steps;
    for (const double stretch : FigureShape::outlineStretches(outlines)) {
        if (stretch >= StepTolerance && stretch < MinimumStep)
            steps.push_back(stretch);
    }
    if (steps.empty())
        return;
    const double shortest = *std::min_element(steps.begin(), steps.end());
    const QString what = steps.size() == 1
                             ? tr("a step of %1 pixels")
                             : tr("%1 steps, the shortest of %2 pixels").arg(steps.size());
    report(line, tr("the outline makes %1, %2 at least wanted")
                     .arg(what.arg(shortest, 0, 'f', 1))
                     .arg(MinimumStep));
}

void Checker::checkFigure(int line, const Placed& figure) {
    std::array<Polygon, 7> polygons;
    const auto outlines = outlinesOf(set_, figure);
    for (std::size_t k = 0; k < 7; ++k)
        polygons[k] = PieceGeometry::drawnPolygon(outlines[k]);
    checkOverlaps(line, polygons);
    checkContacts(line, polygons, outlines);
    const bool measured = checkSize(line, figure);
    checkSquare(line, figure);
    if (measured)
        checkOutline(line, outlines);
    checkDuplicate(line, figure, measured);
    if (measured && countFills_ == CountFills::Yes)
        countFills(line, figure);
}

void Checker::countFills(int line, const Placed& figure) {
    std::array<FigureFills::Placement, 7> pieces;
    for (std::size_t k = 0; k < 7; ++k)
        pieces[k] = {static_cast<int>(k), figure.orient[k], figure.origin[k]};
    const FigureFills::Count count = FigureFills::count(set_, pieces);
    result_.fills.append({line, count.ways, count.all});
}

void Checker::run(const QByteArray& data) {
    const QList<QByteArray> lines = FigureFile::splitLines(data);
    if (!checkHeader(lines, data))
        return;
    for (qsizetype i = FigureFile::HeaderLines + 1; i < lines.size(); ++i) {
        const int line = static_cast<int>(i + 1);
        if (lines[i].trimmed().isEmpty())
            continue;
        const std::optional<Placed> figure = parse(line, lines[i]);
        if (!figure)
            continue;
        ++result_.figures;
        checkFigure(line, *figure);
    }
    if (result_.figures == 0)
        report(0, tr("the collection holds no figures"));
    if (result_.figures > FigureFile::MaxFigures)
        report(0, tr("%1 figures, the game handles at most %2")
                      .arg(result_.figures)
                      .arg(FigureFile::MaxFigures));
}

} // namespace

Result checkCollection(const QByteArray& data, CountFills countFills) {
    Result result;
    Checker(result, countFills).run(data);
    return result;
}

QStringList reportLines(const QString& name, const Result& result) {
    QStringList out;
    for (const Finding& f : result.findings) {
        if (f.line > 0)
            out.append(QStringLiteral("%1:%2: %3").arg(name).arg(f.line).arg(f.text));
        else
            out.append(QStringLiteral("%1: %2").arg(name, f.text));
    }
    return out;
}

QString summaryLine(const QString& name, const Result& result) {
    const QString figures =
        (result.figures == 1 ? QCoreApplication::translate("CollectionCheck", "%1 figure checked")
                             : QCoreApplication::translate("CollectionCheck", "%1 figures checked"))
            .arg(result.figures);
    if (result.clean())
        return QCoreApplication::translate("CollectionCheck", "%1: %2, no problems found")
            .arg(name, figures);
    return (result.findings.size() == 1
                ? QCoreApplication::translate("CollectionCheck", "%1: %2, %3 problem found")
                : QCoreApplication::translate("CollectionCheck", "%1: %2, %3 problems found"))
        .arg(name, figures)
        .arg(result.findings.size());
}

QString fillsLine(const Result& result) {
    if (result.fills.isEmpty())
        return QString();
    std::array<int, 5> counted{}; // one way, 2-9, 10-99, 100 or more, not on one grid
    for (const Fills& f : result.fills)
        ++counted[f.ways < 0 ? 4 : f.ways == 1 ? 0 : f.ways < 10 ? 1 : f.ways < 100 ? 2 : 3];
    return QCoreApplication::translate("CollectionCheck",
                                       "ways the pieces fill each figure: one way %1, 2 to 9 "
                                       "ways %2, 10 to 99 ways %3, 100 or more %4; not "
                                       "counted (pieces on no one grid) %5")
        .arg(counted[0])
        .arg(counted[1])
        .arg(counted[2])
        .arg(counted[3])
        .arg(counted[4]);
}

} // namespace CollectionCheck
