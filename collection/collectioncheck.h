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

struct Result {
    QList<Finding> findings;
    int figures = 0; // records that count as figures
    bool clean() const { return findings.isEmpty(); }
};

Result checkCollection(const QByteArray& data);

// One line per finding, "name:line: text" (or "name: text" for the whole file).
QStringList reportLines(const QString& name, const Result& result);
// One line: how many figures were checked and how many problems were found.
QString summaryLine(const QString& name, const Result& result);

} // namespace CollectionCheck
