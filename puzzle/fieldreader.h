// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Sequential field input over 8-bit text. A numeric field ends at a comma, a blank or the
// line end; a text field ends at a comma or the line end, and one that starts with a double
// quote runs to the closing quote. Leading blanks are skipped. Line ends are CR LF, LF or CR.
class FieldReader {
public:
    explicit FieldReader(QByteArray data) : data_(std::move(data)) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    // True when the rest of the input holds nothing but blanks and line ends.
    bool atEndOfData() const;

    // The raw text of the next numeric field; nullopt at the end of the input. Blank lines
    // between fields are passed over.
    std::optional<QByteArray> numericField();
    // The next numeric field's value; nullopt when the field is missing or not a number.
    std::optional<double> number();
    // The next text field; nullopt at the end of the input.
    std::optional<QString> text();
    // The same as the bytes that the file holds.
    std::optional<QByteArray> textBytes();

    // The rest of the current line without its line end, and the position past it.
    QByteArray line();
    // Whether the reader stands at the start of a line.
    bool atLineStart() const;
    // How many bytes of the input have been read.
    qsizetype position() const { return pos_; }

private:
    char peek() const { return data_.at(pos_); }
    void skipBlanks();
    bool skipLineEnd();
    void finishField();

    QByteArray data_;
    qsizetype pos_ = 0;
};

// The value of a numeric field's text; nullopt when it is not a plain decimal number.
std::optional<double> parseNumber(const QByteArray& field);

// value written as a text field, ended by a line end, that reads back as value: as it is
// when it can be, else in double quotes; nullopt when neither reads back the same.
std::optional<QByteArray> asTextField(const QByteArray& value);
