// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What the collection writers promise, checked on one collection the loader accepts:
// Append then Remove of the new figure gives back the same header, label and figures;
// Remove of figure k leaves the other figures, numbered by their places; no write leaves a
// file the loader refuses; and every line a write need not change keeps its bytes.
// Returns what was broken, empty when nothing was or when the loader refuses data.
QString brokenWriterPromise(const QByteArray& data);

// Whether the loader reads data as a collection: a piece set and at most 500 figures.
bool loaderAccepts(const QByteArray& data);

// A collection the loader accepts: the default header with the given line ends and a blank
// line after every `blankEvery` lines (0: none), then tail.
QByteArray reformattedCollection(const QByteArray& lineEnd, int blankEvery, const QByteArray& tail);
