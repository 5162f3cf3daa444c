// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measures.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The collection file: 64 header lines (home places and the 56 shape records), a label
// line, then one figure record of 24 numbers per line.
namespace FigureFile {

constexpr int HeaderLines = 64;
constexpr int RecordFields = 24;
constexpr int HeaderFields = 7 * 2 + 56 * 18;
constexpr int MaxFigures = Measures::MaxFigures;
// No collection comes near this: 500 figures of the widest numbers take under 100 KB. The
// readers refuse anything larger, so that a wrong file cannot hold the game or its memory.
constexpr qint64 MaxFileBytes = 1024 * 1024;

using Record = std::array<double, RecordFields>;

// Where a line lies in the file: its text from start to end, then its line end (CR LF, LF
// or CR; none on a last line without one) up to next.
struct LineSpan {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};
QList<LineSpan> lineSpans(const QByteArray& data);

// The file's lines without their line ends.
QList<QByteArray> splitLines(const QByteArray& data);

// One figure record read from its line: the first 24 numeric fields. nullopt when the line
// holds fewer, a field is not a number, a value does not fit a 16-bit integer or an
// orientation lies outside 0 to 7.
std::optional<Record> parseRecord(const QByteArray& line);

// A record counts as a figure only when its number is greater than 0.
inline bool isFigure(const Record& r) {
    return r[0] > 0;
}

// The record as the program writes it: 24 integers, commas, no blanks, no line end.
QByteArray formatRecord(const std::array<std::int32_t, RecordFields>& fields);

// The piece set of a header: home places in units of 24 pixels and the 56 shape records.
struct PieceSetFields {
    std::array<std::array<double, 2>, 7> home{};
    std::array<std::array<std::array<double, 18>, 8>, 7> shape{};
    qsizetype bytes = 0; // how far into the file the 1022 fields and their ends reach

    bool operator==(const PieceSetFields& other) const {
        return home == other.home && shape == other.shape;
    }
};

// Reads the header as one stream of 1022 fields. On failure, says why in error.
std::optional<PieceSetFields> parseHeader(const QByteArray& data, QString* error);

// The figure records of a collection, in file order, each with its 1-based line number.
struct Figures {
    QList<Record> records; // accepted figures only
    QList<int> lines;
};

enum class ReadError { None, ShortHeader, TooMany };

// All figure records of the collection's data (lines 66 onward): malformed records, records
// with n <= 0 and blank lines are passed over.
Figures readFigures(const QByteArray& data, ReadError* error);

// A collection as the readers see it, for the writers, which must change it without
// changing what the readers find in the lines they leave alone. The piece set is read as a
// stream of fields, so it may reach past line 64 into the label and record lines.
struct Layout {
    QList<LineSpan> lines;
    int headerLines = HeaderLines; // lines that hold piece set fields, at least 64
    Figures figures;
    ReadError error = ReadError::None;
};

// nullopt, with the reason in why, when the header does not read as a piece set.
std::optional<Layout> layoutOf(const QByteArray& data, QString* why);

} // namespace FigureFile
