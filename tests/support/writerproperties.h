// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "puzzle/figurefile.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What the loader finds in a collection.
struct LoaderReading {
    FigureFile::PieceSetFields header;
    std::optional<QByteArray> label; // line 65's first text field, when there is a line 65
    QList<FigureFile::Record> figures;
};

// nullopt when the loader refuses data.
std::optional<LoaderReading> readAsLoader(const QByteArray& data);

// What the collection writers promise, checked on a collection the loader reads as before:
// no write leaves a file the loader refuses, and
// - Append then Remove of the new figure gives back the same header, label and figures;
// - Remove of figure k leaves the other figures, and every line but the removed one, the
//   label and the figures' numbers keeps its bytes.
// Each returns what was broken, empty when nothing was.
QString brokenByAppend(const QByteArray& data, const LoaderReading& before);
QString brokenByRemove(const QByteArray& data, const LoaderReading& before, int k);

// A collection the loader accepts: the default header with the given line ends and a blank
// line after every `blankEvery` lines (0: none), then tail.
QByteArray reformattedCollection(const QByteArray& lineEnd, int blankEvery, const QByteArray& tail);
