// SPDX-License-Identifier: GPL-3.0-or-later
#include "writerproperties.h"

#include "collection/collectionfile.h"
#include "collection/defaultpieceset.h"
#include "puzzle/fieldreader.h"
#include "puzzle/figurefile.h"

#include <algorithm>
#include <optional>

namespace {

using FigureFile::Record;

// Figures compared as the loader uses them: a record's number only has to be above 0,
// which every figure's is.
bool sameFigures(const QList<Record>& a, const QList<Record>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Record& x, const Record& y) {
        return std::equal(x.begin() + 1, x.end(), y.begin() + 1);
    });
}

QString compare(const QString& step, const LoaderReading& expected, const QByteArray& written) {
    const std::optional<LoaderReading> got = readAsLoader(written);
    if (!got)
        return step + QStringLiteral(": the loader refuses the file written");
    if (!(got->header == expected.header))
        return step + QStringLiteral(": the header changed");
    if (got->label != expected.label)
        return step + QStringLiteral(": the label changed");
    if (!sameFigures(got->figures, expected.figures))
        return step + QStringLiteral(": the figures are not the ones expected");
    return {};
}

// A record line after its number field.
QByteArray afterNumber(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != ',' && text.at(end) != ' ' && text.at(end) != '\t')
        ++end;
    return text.mid(end);
}

// Line by line, the file without the removed line keeps every byte but the label's and the
// figures' numbers.
QString keptLines(const QByteArray& before, const QByteArray& after, int removedLine) {
    QList<QByteArray> expected = FigureFile::splitLines(before);
    const QList<QByteArray> got = FigureFile::splitLines(after);
    expected.removeAt(removedLine);
    if (got.size() != expected.size())
        return QStringLiteral("remove: %1 lines instead of %2")
            .arg(got.size())
            .arg(expected.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        const bool record = i > FigureFile::HeaderLines && FigureFile::parseRecord(got.at(i));
        if (got.at(i) != expected.at(i) && i != FigureFile::HeaderLines &&
            !(record && afterNumber(got.at(i)) == afterNumber(expected.at(i))))
            return QStringLiteral("remove: line %1 changed").arg(i + 1);
    }
    return {};
}

std::array<std::int32_t, FigureFile::RecordFields> newFigure() {
    return {0, 60,  60, 0, 60,  108, 4, 60,  108, 0, 60,  60,
            0, 108, 60, 0, 156, 156, 2, 156, 60,  2, 156, 108};
}

} // namespace

std::optional<LoaderReading> readAsLoader(const QByteArray& data) {
    QString why;
    const std::optional<FigureFile::PieceSetFields> header = FigureFile::parseHeader(data, &why);
    FigureFile::ReadError error = FigureFile::ReadError::None;
    const FigureFile::Figures figures = FigureFile::readFigures(data, &error);
    if (!header || error != FigureFile::ReadError::None || data.size() > FigureFile::MaxFileBytes)
        return std::nullopt;
    const QList<QByteArray> lines = FigureFile::splitLines(data);
    std::optional<QByteArray> label;
    if (lines.size() > FigureFile::HeaderLines)
        label = FieldReader(lines.at(FigureFile::HeaderLines)).textBytes().value_or("");
    return LoaderReading{*header, label, figures.records};
}

QString brokenByAppend(const QByteArray& data, const LoaderReading& before) {
    QString why;
    const std::optional<QByteArray> appended = CollectionFile::withRecord(data, newFigure(), &why);
    const auto count = static_cast<int>(before.figures.size());
    if (count >= FigureFile::MaxFigures)
        return appended ? QStringLiteral("append: a full collection took another figure") : "";
    if (!appended)
        return QStringLiteral("append refused: ") + why;
    LoaderReading grown = before;
    Record added{};
    const auto fields = newFigure();
    std::copy(fields.begin(), fields.end(), added.begin());
    added[0] = count + 1;
    grown.figures.append(added);
    if (!before.label)
        grown.label = "Zederoru figures";
    if (const QString broken = compare(QStringLiteral("append"), grown, *appended);
        !broken.isEmpty())
        return broken;
    const std::optional<CollectionFile::Removal> removed =
        CollectionFile::withoutFigure(*appended, count + 1, &why);
    if (!removed || !removed->removed)
        return QStringLiteral("removing the appended figure refused: ") + why;
    LoaderReading shrunk = grown;
    shrunk.figures = before.figures;
    return compare(QStringLiteral("append, then remove"), shrunk, removed->content);
}

QString brokenByRemove(const QByteArray& data, const LoaderReading& before, int k) {
    QString why;
    const std::optional<CollectionFile::Removal> removed =
        CollectionFile::withoutFigure(data, k, &why);
    const std::optional<FigureFile::Layout> layout = FigureFile::layoutOf(data, &why);
    const int line = layout->figures.lines.at(k - 1) - 1;
    if (!removed)
        return line < layout->headerLines ? QString()
                                          : QStringLiteral("remove %1 refused: ").arg(k) + why;
    LoaderReading expected = before;
    expected.figures.removeAt(k - 1);
    const QString broken = compare(QStringLiteral("remove %1").arg(k), expected, removed->content);
    return broken.isEmpty() ? keptLines(data, removed->content, line) : broken;
}

QByteArray reformattedCollection(const QByteArray& lineEnd, int blankEvery,
                                 const QByteArray& tail) {
    QByteArray out;
    const QList<QByteArray> lines = FigureFile::splitLines(DefaultPieceSet());
    for (qsizetype i = 0; i < FigureFile::HeaderLines; ++i) {
        out += lines.value(i) + lineEnd;
        if (blankEvery > 0 && (i + 1) % blankEvery == 0)
            out += lineEnd;
    }
    return out + tail;
}
