// SPDX-License-Identifier: GPL-3.0-or-later
#include "collectionfile.h"

#include "platform/files.h"
#include "puzzle/fieldreader.h"
#include "puzzle/numbers.h"
#include "puzzle/pelorin1.h"

#include <QCoreApplication>

namespace CollectionFile {

namespace {

const QByteArray CrLf = QByteArrayLiteral("\r\n");
const QByteArray DefaultLabel = QByteArrayLiteral("Zederoru figures");

QString notACollectionBecause(const QString& why) {
    return QCoreApplication::translate("CollectionFile", "it is not a Pelorin file: %1").arg(why);
}

// The layout of a collection that may take another figure, or nullopt with the reason.
std::optional<FigureFile::Layout> writableLayout(const QByteArray& data, QString* why) {
    std::optional<FigureFile::Layout> layout = FigureFile::layoutOf(data, why);
    if (!layout) {
        *why = notACollectionBecause(*why);
        return std::nullopt;
    }
    if (layout->error == FigureFile::ReadError::TooMany) {
        *why = fullReason(FigureFile::MaxFigures + 1);
        return std::nullopt;
    }
    return layout;
}

QByteArray textOf(const QByteArray& data, const FigureFile::LineSpan& line) {
    return data.mid(line.start, line.end - line.start);
}

QByteArray lineEndOf(const QByteArray& data, const FigureFile::LineSpan& line) {
    return data.mid(line.end, line.next - line.end);
}

// Line 65 cut to its first text field, written so that it reads back the same; the line as
// it is when it holds no field or the field cannot be written so.
QByteArray labelField(const QByteArray& line) {
    const std::optional<QByteArray> label = FieldReader(line).textBytes();
    if (!label)
        return line;
    return asTextField(*label).value_or(line);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The record's line with its number field replaced by n; the rest stays byte for byte.
QByteArray renumbered(const QByteArray& line, int n) {
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    qsizetype end = start;
    while (end < line.size() && line.at(end) != ',' && !isBlank(line.at(end)))
        ++end;
    if (parseNumber(line.mid(start, end - start)) == n)
        return line;
    return line.left(start) + QByteArray::number(n) + line.mid(end);
}

} // namespace

std::optional<QByteArray> read(const QString& path, QString* why) {
    return readRegularFile(path, FigureFile::MaxFileBytes, why);
}

QString notACollection(const QByteArray& data) {
    QString why;
    if (!FigureFile::parseHeader(data, &why))
        return notACollectionBecause(why);
    return {};
}

QString fullReason(int figures) {
    if (figures > FigureFile::MaxFigures)
        return QCoreApplication::translate(
                   "CollectionFile", "it holds more than %1 Pelorins, more than a file can hold")
            .arg(FigureFile::MaxFigures);
    return QCoreApplication::translate("CollectionFile",
                                       "it already holds %1 Pelorins, as many as a file can hold")
        .arg(FigureFile::MaxFigures);
}

std::optional<QByteArray> withRecord(const QByteArray& data,
                                     std::array<std::int32_t, FigureFile::RecordFields> fields,
                                     QString* why) {
    const std::optional<FigureFile::Layout> layout = writableLayout(data, why);
    if (!layout)
        return std::nullopt;
    const auto count = static_cast<int>(layout->figures.records.size());
    if (count >= FigureFile::MaxFigures) {
        *why = fullReason(count);
        return std::nullopt;
    }
    fields[0] = count + 1;
    QByteArray out = data;
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out += CrLf;
    if (layout->lines.size() == FigureFile::HeaderLines)
        out += DefaultLabel + CrLf;
    return out + FigureFile::formatRecord(fields) + CrLf;
}

std::optional<Removal> withoutFigure(const QByteArray& data, int figure, QString* why) {
    const std::optional<FigureFile::Layout> layout = writableLayout(data, why);
    if (!layout)
        return std::nullopt;
    const FigureFile::Figures& figures = layout->figures;
    Removal removal;
    removal.figuresBefore = static_cast<int>(figures.records.size());
    if (figure < 1 || figure > removal.figuresBefore) {
        removal.content = data;
        return removal;
    }
    const int gone = figures.lines.at(figure - 1) - 1;
    if (gone < layout->headerLines) {
        *why = QCoreApplication::translate("CollectionFile",
                                           "the line of this Pelorin also holds part of "
                                           "the piece set, which removing it would spoil");
        return std::nullopt;
    }
    removal.removed = figures.records.at(figure - 1);
    int next = 0; // the next figure to meet, counted from 0
    for (int i = 0; i < layout->lines.size(); ++i) {
        const FigureFile::LineSpan& line = layout->lines.at(i);
        const bool isFigure = next < figures.lines.size() && figures.lines.at(next) == i + 1;
        const int k = isFigure ? ++next : 0;
        if (i == gone)
            continue;
        QByteArray text = textOf(data, line);
        if (i == FigureFile::HeaderLines && i >= layout->headerLines)
            text = labelField(text);
        else if (isFigure && i >= layout->headerLines)
            text = renumbered(text, k < figure ? k : k - 1);
        removal.content += text + lineEndOf(data, line);
        // A lone CR before the removed line must not meet an LF after it and become one
        // line end with it.
        if (i + 1 == gone && removal.content.endsWith('\r') &&
            data.mid(layout->lines.at(gone).next, 1) == "\n")
            removal.content += '\n';
    }
    return removal;
}

bool isLoadedFigure(const PELORIN1& game, int f, const FigureFile::Record& r) {
    if (!game.HasFigure(f))
        return false;
    const auto slot = static_cast<std::size_t>(f);
    for (std::size_t k = 0; k < PELORIN1::Pieces; ++k) {
        if (game.FigOrient[slot][k] != static_cast<int>(r[3 + 3 * k]) ||
            game.FigX[slot][k] != r[4 + 3 * k] - r[1] ||
            game.FigY[slot][k] != CInt(r[5 + 3 * k] - r[2]))
            return false;
    }
    return true;
}

void TellFailure(PELORIN1& game, const QString& headline, const QString& path, const QString& why) {
    game.messages.MsgBox({headline + game.NewLine + path + game.NewLine + why,
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Warning});
}

} // namespace CollectionFile
