#include "figurefile.h"

#include "fieldreader.h"
#include "numbers.h"

namespace FigureFile {

QList<QByteArray> splitLines(const QByteArray& data) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(data.mid(start, i - start));
        if (c == '\r' && i + 1 < data.size() && data.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines.append(data.mid(start));
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

std::optional<PieceSetFields> parseHeader(const QByteArray& data, QString* error) {
    if (splitLines(data).size() < HeaderLines) {
        *error = QStringLiteral("the header is shorter than 64 lines");
        return std::nullopt;
    }
    FieldReader reader(data);
    PieceSetFields set;
    for (auto& home : set.home) {
        for (double& v : home) {
            const std::optional<double> n = reader.number();
            if (!n || !fitsInt16(*n * 24)) {
                *error = QStringLiteral("a home place is not a number");
                return std::nullopt;
            }
            v = *n;
        }
    }
    for (std::size_t i = 0; i < 7; ++i) {
        for (std::size_t o = 0; o < 8; ++o) {
            if (!readShapeRecord(reader, set.shape[i][o])) {
                *error = QStringLiteral("the shape record of piece %1, orientation %2 is not "
                                        "numeric")
                             .arg(i)
                             .arg(o);
                return std::nullopt;
            }
        }
    }
    return set;
}

Figures readFigures(const QByteArray& data, ReadError* error) {
    *error = ReadError::None;
    Figures figures;
    const QList<QByteArray> lines = splitLines(data);
    if (lines.size() < HeaderLines) {
        *error = ReadError::ShortHeader;
        return figures;
    }
    for (qsizetype i = HeaderLines + 1; i < lines.size(); ++i) {
        const std::optional<Record> r = parseRecord(lines.at(i));
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

} // namespace FigureFile
