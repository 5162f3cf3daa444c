// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What the collection writers promise, checked on a collection the loader accepts: no
// write leaves a file the loader refuses, and
// - Append then Remove of the new figure gives back the same header, label and figures;
// - Remove of figure k leaves the other figures, and every line but the removed one, the
//   label and the figures' numbers keeps its bytes.
// Each returns what was broken, empty when nothing was.
QString brokenAppendPromise(const QByteArray& data);
QString brokenRemovePromise(const QByteArray& data, int k);

// How many figures the loader reads in data; nullopt when it refuses data.
std::optional<int> loadedFigures(const QByteArray& data);

// A collection the loader accepts: the default header with the given line ends and a blank
// line after every `blankEvery` lines (0: none), then tail.
QByteArray reformattedCollection(const QByteArray& lineEnd, int blankEvery, const QByteArray& tail);
