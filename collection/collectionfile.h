#pragma once

#include "puzzle/figurefile.h"

#include <QByteArray>
#include <QString>
#include <optional>

class PELORIN1;

// What append, remove, save as and open do to the bytes of a collection, and how they read
// it and tell the player when the file system fails them.
namespace CollectionFile {

// The whole file; nullopt when it cannot be read, with the reason in why.
std::optional<QByteArray> read(const QString& path, QString* why);

// Why data cannot be a collection (too short, a header field not numeric); empty when the
// header reads as a piece set.
QString notACollection(const QByteArray& data);

// data with record added as its last line; a last line without its line end gets one first.
QByteArray withRecord(const QByteArray& data, const QByteArray& record);

// The collection without figure number `figure` (counted as the loader counts figures):
// the 64 header lines and line 65's first field as they were, the other figures numbered
// 1, 2, 3, ... and lines the loader passes over kept unchanged.
struct Removal {
    QByteArray content;
    std::optional<FigureFile::Record> removed; // nullopt: the file has no such figure
    int figuresBefore = 0;
};
Removal withoutFigure(const QByteArray& data, int figure);

// Whether record r holds the same figure as slot f of the loaded figure table.
bool isLoadedFigure(const PELORIN1& game, int f, const FigureFile::Record& r);

// A message box naming the file and the reason: headline, path and why on three lines.
void TellFailure(PELORIN1& game, const QString& headline, const QString& path, const QString& why);

} // namespace CollectionFile
