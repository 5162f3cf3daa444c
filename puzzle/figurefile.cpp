// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurefile.h"

#include "fieldreader.h"
#include "numbers.h"

#include <QCoreApplication>
#include <algorithm>

namespace FigureFile {

QList<LineSpan> lineSpans(const QByteArray& data) {
    QList<LineSpan> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype end = i;
        if (c == '\r' && i + 1 < data.size() && data.at(i + 1) == '\n')
            ++i;
        lines.append({start, end, i + 1});
        start = i + 1;
    }
    if (start < data.size())
        lines.append({start, data.size(), data.size()});
    return lines;
}

QList<QByteArray> splitLines(const QByteArray& data) {
    QList<QByteArray> lines;
    for (const LineSpan& line : lineSpans(data))
        lines.append(data.mid(line.start, line.end - line.start));
    return lines;
}

std::optional<Record> parseRecord(const QByteArray& line) {
    FieldReader reader(line);
    Record r{};
    for (int i = 0; i < RecordFields; ++i) {
        const std::optional<double> v = reader.number();
        if (!v || !fitsInt16(*v))
            return std::nullopt;
        r[static_cast<std::size_t>(i)] = *v;
    }
    for (int k = 0; k < 7; ++k) {
        const double o = r[static_cast<std::size_t>(3 + 3 * k)];
        if (o < 0 || o > 7 || o != Int(o))
            return std::nullopt;
    }
    return r;
}

QByteArray formatRecord(const std::array<std::int32_t, RecordFields>& fields) {
    QByteArray out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += QByteArray::number(fields[i]);
    }
    return out;
}

namespace {

// Fields 1, 5 and 6 of a shape record are read and ignored, so they may hold anything.
bool shapeFieldMatters(int index) {
    return index != 0 && index != 4 && index != 5;
}

bool readShapeRecord(FieldReader& reader, std::array<double, 18>& out) {
    for (int f = 0; f < 18; ++f) {
        const std::optional<QByteArray> raw = reader.numericField();
        if (!raw)
            return false;
        const std::optional<double> v = parseNumber(*raw);
        if (shapeFieldMatters(f) && (!v || !fitsInt16(*v * 34)))
            return false;
        out[static_cast<std::size_t>(f)] = v.value_or(0);
    }
    return true;
}

} // namespace

namespace {

bool shortHeader(const QList<LineSpan>& lines, QString* error) {
    if (lines.size() >= HeaderLines)
        return false;
    *error = QCoreApplication::translate("PELORIN1", "the header is shorter than 64 lines");
    return true;
}

std::optional<PieceSetFields> headerOf(const QByteArray& data, QString* error) {
    FieldReader reader(data);
    PieceSetFields set;
    for (auto& home : set.home) {
        for (double& v : home) {
            const std::optional<double> n = reader.number();
            if (!n || !fitsInt16(*n * 24)) {
                *error = QCoreApplication::translate("FigureFile", "a home place is not a number");
                return std::nullopt;
            }
            v = *n;
        }
    }
    for (std::size_t i = 0; i < 7; ++i) {
        for (std::size_t o = 0; o < 8; ++o) {
            if (!readShapeRecord(reader, set.shape[i][o])) {
                *error = QCoreApplication::translate("FigureFile",
                                                     "the shape record of piece %1, orientation "
                                                     "%2 is not numeric")
                             .arg(i)
                             .arg(o);
                return std::nullopt;
            }
        }
    }
    set.bytes = reader.position();
    return set;
}

Figures figuresOf(const QByteArray& data, const QList<LineSpan>& lines, ReadError* error) {
    *error = ReadError::None;
    Figures figures;
    for (qsizetype i = HeaderLines + 1; i < lines.size(); ++i) {
        const LineSpan& line = lines.at(i);
        const std::optional<Record> r = parseRecord(data.mid(line.start, line.end - line.start));
        if (!r || !isFigure(*r))
            continue;
        if (figures.records.size() == MaxFigures) {
            *error = ReadError::TooMany;
            return figures;
        }
        figures.records.append(*r);
        figures.lines.append(static_cast<int>(i + 1));
    }
    return figures;
}

// The index of the line that holds byte `at`.
int lineOf(const QList<LineSpan>& lines, qsizetype at) {
    const auto after = std::upper_bound(lines.begin(), lines.end(), at,
                                        [](qsizetype a, const LineSpan& l) { return a < l.start; });
    return static_cast<int>(after - lines.begin()) - 1;
}

} // namespace

std::optional<PieceSetFields> parseHeader(const QByteArray& data, QString* error) {
    if (shortHeader(lineSpans(data), error))
        return std::nullopt;
    return headerOf(data, error);
}

Figures readFigures(const QByteArray& data, ReadError* error) {
    const QList<LineSpan> lines = lineSpans(data);
    if (lines.size() < HeaderLines) {
        *error = ReadError::ShortHeader;
        return {};
    }
    return figuresOf(data, lines, error);
}

std::optional<Layout> layoutOf(const QByteArray& data, QString* why) {
    Layout layout;
    layout.lines = lineSpans(data);
    if (shortHeader(layout.lines, why))
        return std::nullopt;
    const std::optional<PieceSetFields> header = headerOf(data, why);
    if (!header)
        return std::nullopt;
    layout.headerLines = std::max(HeaderLines, lineOf(layout.lines, header->bytes - 1) + 1);
    layout.figures = figuresOf(data, layout.lines, &layout.error);
    return layout;
}

} // namespace FigureFile
