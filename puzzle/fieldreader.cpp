// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldreader.h"

#include <cmath>

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<double> parseNumber(const QByteArray& field) {
    const QByteArray t = field.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (char c : t) {
        const bool allowed = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' ||
                             c == 'e' || c == 'E';
        if (!allowed)
            return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool FieldReader::atEndOfData() const {
    for (qsizetype i = pos_; i < data_.size(); ++i) {
        const char c = data_.at(i);
        if (!isBlank(c) && !isLineEnd(c))
            return false;
    }
    return true;
}

void FieldReader::skipBlanks() {
    while (!atEnd() && isBlank(peek()))
        ++pos_;
}

bool FieldReader::skipLineEnd() {
    if (atEnd() || !isLineEnd(peek()))
        return false;
    if (peek() == '\r') {
        ++pos_;
        if (!atEnd() && peek() == '\n')
            ++pos_;
    } else {
        ++pos_;
    }
    return true;
}

bool FieldReader::atLineStart() const {
    return pos_ == 0 || isLineEnd(data_.at(pos_ - 1));
}

// After a field: trailing blanks, then one comma or one line end belong to it. A numeric
// field that ended at a blank leaves the next field where it stands.
void FieldReader::finishField() {
    skipBlanks();
    if (!atEnd() && peek() == ',')
        ++pos_;
    else
        skipLineEnd();
}

std::optional<QByteArray> FieldReader::numericField() {
    for (;;) {
        skipBlanks();
        if (atEnd())
            return std::nullopt;
        if (!atLineStart() || !isLineEnd(peek()))
            break;
        skipLineEnd(); // a blank line holds no field
    }
    const qsizetype start = pos_;
    while (!atEnd() && peek() != ',' && !isBlank(peek()) && !isLineEnd(peek()))
        ++pos_;
    QByteArray field = data_.mid(start, pos_ - start);
    finishField();
    return field;
}

std::optional<double> FieldReader::number() {
    const std::optional<QByteArray> field = numericField();
    if (!field)
        return std::nullopt;
    return parseNumber(*field);
}

std::optional<QString> FieldReader::text() {
    const std::optional<QByteArray> field = textBytes();
    if (!field)
        return std::nullopt;
    return QString::fromUtf8(*field);
}

std::optional<QByteArray> FieldReader::textBytes() {
    skipBlanks();
    if (atEnd())
        return std::nullopt;
    QByteArray field;
    if (peek() == '"') {
        const qsizetype close = data_.indexOf('"', pos_ + 1);
        const qsizetype end = close < 0 ? data_.size() : close;
        field = data_.mid(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? data_.size() : close + 1;
        // Whatever stands between the closing quote and the delimiter is not part of it.
        while (!atEnd() && peek() != ',' && !isLineEnd(peek()))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atEnd() && peek() != ',' && !isLineEnd(peek()))
            ++pos_;
        field = data_.mid(start, pos_ - start).trimmed();
    }
    finishField();
    return field;
}

QByteArray FieldReader::line() {
    const qsizetype start = pos_;
    while (!atEnd() && !isLineEnd(peek()))
        ++pos_;
    QByteArray result = data_.mid(start, pos_ - start);
    skipLineEnd();
    return result;
}

std::optional<QByteArray> asTextField(const QByteArray& value) {
    for (const QByteArray& written : {value, '"' + value + '"'}) {
        FieldReader reader(written + "\r\n");
        if (reader.textBytes() == value && reader.atEnd())
            return written;
    }
    return std::nullopt;
}
