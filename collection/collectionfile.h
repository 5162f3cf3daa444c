// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "puzzle/figurefile.h"

#include <QByteArray>
#include <QString>
#include <optional>

class PELORIN1;

// What append, remove, save as and open do to the bytes of a collection, and how they read
// it and tell the player when the file system fails them. The writers find the header, the
// label and the figures where the readers find them, and change nothing else.
namespace CollectionFile {

// The whole file; nullopt when it is no regular file of a collection's size or cannot be
// read, with the reason in why.
std::optional<QByteArray> read(const QString& path, QString* why);

// Why data cannot be a collection (too short, a header field not numeric); empty when the
// header reads as a piece set.
QString notACollection(const QByteArray& data);

// The record as Append adds it: numbered after the figures data holds, on a new last line.
// A last line without its line end gets one first, and a file of only the 64 header lines a
// label line, so that the record lands where the loader looks. nullopt, with the reason in
// why, when data is no collection or already holds 500 figures.
std::optional<QByteArray> withRecord(const QByteArray& data,
                                     std::array<std::int32_t, FigureFile::RecordFields> fields,
                                     QString* why);

// The collection without figure number `figure` (counted as the loader counts figures): the
// other figures renumbered 1, 2, 3, ... in place, line 65 cut to its first field, every
// other byte as it was. Lines that hold part of the piece set are never changed. nullopt,
// with the reason in why, when data is no collection or the figure's line holds part of the
// piece set.
struct Removal {
    QByteArray content;
    std::optional<FigureFile::Record> removed; // nullopt: the file has no such figure
    int figuresBefore = 0;
};
std::optional<Removal> withoutFigure(const QByteArray& data, int figure, QString* why);

// Why a collection of this many figures (500 or more) takes no other.
QString fullReason(int figures);

// Whether record r holds the same figure as slot f of the loaded figure table.
bool isLoadedFigure(const PELORIN1& game, int f, const FigureFile::Record& r);

// A message box naming the file and the reason: headline, path and why on three lines.
void TellFailure(PELORIN1& game, const QString& headline, const QString& path, const QString& why);

} // namespace CollectionFile
