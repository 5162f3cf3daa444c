// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurenames.h"

#include "platform/safewrite.h"

#include <QFile>
#include <QFileInfo>

namespace FigureNames {

namespace {

// A names file longer than this is no names file of a collection of at most 500 figures.
constexpr qint64 MaxNamesBytes = 1 << 20;

QList<QByteArray> linesOf(const QByteArray& names) {
    QList<QByteArray> lines = names.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + '\n';
    return out;
}

std::optional<QByteArray> contentOf(const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxNamesBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

QString pathFor(const QString& collectionPath) {
    QString base = collectionPath;
    if (base.endsWith(QLatin1String(".pel"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral(".names");
}

QStringList read(const QString& collectionPath) {
    const std::optional<QByteArray> names = contentOf(pathFor(collectionPath));
    QStringList out;
    if (!names)
        return out;
    for (const QByteArray& line : linesOf(*names))
        out.append(QString::fromUtf8(line).trimmed());
    return out;
}

QByteArray withNewFigure(const QByteArray& names, int figuresBefore) {
    QList<QByteArray> lines = linesOf(names);
    lines.resize(std::max<qsizetype>(lines.size(), figuresBefore));
    lines.insert(figuresBefore, QByteArray());
    return joined(lines);
}

QByteArray withoutFigure(const QByteArray& names, int figure) {
    QList<QByteArray> lines = linesOf(names);
    if (figure >= 1 && figure <= lines.size())
        lines.removeAt(figure - 1);
    return joined(lines);
}

bool follow(const QString& collectionPath, QByteArray (*change)(const QByteArray&, int), int n,
            QString* why) {
    const QString path = SafeWrite::resolved(pathFor(collectionPath));
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<QByteArray> names = contentOf(path);
    if (!names) {
        *why = QStringLiteral("the names file %1 cannot be read").arg(path);
        return false;
    }
    return SafeWrite::replaceFile(path, change(*names, n), why);
}

} // namespace FigureNames
