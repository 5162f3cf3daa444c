#pragma once

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
constexpr int MaxFigures = 500;

using Record = std::array<double, RecordFields>;

// The file's lines without their line ends (CR LF, LF or CR).
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

} // namespace FigureFile
