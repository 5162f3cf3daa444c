// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The names of a collection's figures, kept in a text file beside it: the collection's name
// with ".names" for ".pel", one line per figure in record order, UTF-8. A collection without
// one has figures without names. The names file changes only while its collection's lock is
// held, together with the collection, so that its lines stay in step with the records.
namespace FigureNames {

QString pathFor(const QString& collectionPath);

// One name per figure, empty where the file has none; an empty list when there is no names
// file or it cannot be read.
QStringList read(const QString& collectionPath);

// The names with an empty one for a figure appended after figuresBefore others.
QByteArray withNewFigure(const QByteArray& names, int figuresBefore);
// The names without figure number figure's line.
QByteArray withoutFigure(const QByteArray& names, int figure);

// Applies change to the names file beside the collection when there is one. The caller holds
// the collection's lock. false, with the reason in why, when the names file cannot be
// rewritten; it is then left as it was.
bool follow(const QString& collectionPath, QByteArray (*change)(const QByteArray&, int), int n,
            QString* why);

} // namespace FigureNames
