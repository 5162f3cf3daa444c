// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "puzzle/measures.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The checker for collection authors: reads a whole collection and finds what would spoil
// play, per record with its line number.
namespace CollectionCheck {

constexpr int TargetViewWidth = Measures::TargetViewWidth;
constexpr int TargetViewHeight = Measures::TargetViewHeight;
constexpr int AppendLimit = Measures::AppendLimit;
// Appending calls an arrangement sparse below this coverage of its bounding box.
constexpr int MinimumDensity = 20;

struct Finding {
    int line = 0; // 1-based; 0 for the file as a whole
    QString text;
};

// The ways the seven pieces fill a figure's silhouette (-1 where they do not all lie on one
// grid), and whether all were counted.
struct Fills {
    int line = 0;
    long ways = -1;
    bool all = false;
};

struct Result {
    QList<Finding> findings;
    int figures = 0;    // records that count as figures
    QList<Fills> fills; // when asked for, of the figures not too large to measure
    bool clean() const { return findings.isEmpty(); }
};

// Counting the fillings is a search per figure: asked for by collection authors only.
enum class CountFills { No, Yes };

Result checkCollection(const QByteArray& data, CountFills countFills = CountFills::No);

// One line per finding, "name:line: text" (or "name: text" for the whole file).
QStringList reportLines(const QString& name, const Result& result);
// One line: how many figures were checked and how many problems were found.
QString summaryLine(const QString& name, const Result& result);
// One line: how many figures the pieces fill in one way, in a few and in many; empty when
// the fillings were not counted.
QString fillsLine(const Result& result);

} // namespace CollectionCheck
