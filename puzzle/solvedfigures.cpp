// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvedfigures.h"

#include "platform/files.h"
#include "platform/safewrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace {

const QByteArray Heading = "Zederoru solved figures";
const QByteArray CollectionLine = "collection ";

bool isKey(const QByteArray& line) {
    return line.size() == SolvedFigures::KeyLength &&
           std::all_of(line.begin(), line.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// What the file holds now; nothing when it is missing or cannot be read as marks.
SolvedFigures::Marks readMarks(const QString& path) {
    QString why;
    const std::optional<QByteArray> text = readRegularFile(path, SolvedFigures::MaxFileBytes, &why);
    if (text)
        return SolvedFigures::parse(*text);
    if (QFileInfo::exists(path))
        qDebug("Solved figures not read from %s: %s", qPrintable(path), qPrintable(why));
    return {};
}

} // namespace

void SolvedFigures::setFile(const QString& path) {
    path_ = path;
    marks_ = path.isEmpty() ? Marks{} : readMarks(path);
}

bool SolvedFigures::contains(const QString& collection, const QByteArray& figure) const {
    const auto marks = marks_.constFind(collection);
    return marks != marks_.cend() && marks->contains(figure);
}

bool SolvedFigures::any(const QString& collection) const {
    return !marks_.value(collection).isEmpty();
}

void SolvedFigures::add(const QString& collection, const QByteArray& figure) {
    if (contains(collection, figure))
        return;
    marks_[collection].insert(figure);
    QString why;
    if (!path_.isEmpty() && !write(&why))
        qDebug("Solved figures not saved in %s: %s", qPrintable(path_), qPrintable(why));
}

// Marks another game wrote since this one read the file join this game's own.
bool SolvedFigures::write(QString* why) {
    const QFileInfo info(path_);
    if (info.exists() && !info.isFile()) {
        *why = QStringLiteral("it is not a regular file"); // no lock beside a device either
        return false;
    }
    if (!QDir().mkpath(info.path())) {
        *why = QStringLiteral("its folder cannot be made");
        return false;
    }
    SafeWrite::FileLock lock(path_);
    if (!lock.acquire(why))
        return false;
    const Marks there = readMarks(SafeWrite::resolved(path_));
    for (auto c = there.cbegin(); c != there.cend(); ++c)
        marks_[c.key()].unite(c.value());
    return SafeWrite::replaceFile(path_, format(marks_), why);
}

SolvedFigures::Marks SolvedFigures::parse(const QByteArray& text) {
    Marks marks;
    QString collection;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(CollectionLine))
            collection =
                QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(CollectionLine.size())));
        else if (!collection.isEmpty() && isKey(line))
            marks[collection].insert(line);
    }
    return marks;
}

QByteArray SolvedFigures::format(const Marks& marks) {
    QByteArray out = Heading + '\n';
    QStringList collections = marks.keys();
    collections.sort();
    for (const QString& c : collections) {
        QList<QByteArray> keys = marks.value(c).values();
        if (keys.isEmpty())
            continue;
        std::sort(keys.begin(), keys.end());
        out += CollectionLine + QUrl::toPercentEncoding(c, "/") + '\n';
        for (const QByteArray& k : keys)
            out += k + '\n';
    }
    return out;
}

QString CollectionKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QByteArray FigureKeyOf(const QByteArray& placement) {
    return QCryptographicHash::hash(placement, QCryptographicHash::Sha256)
        .toHex()
        .left(SolvedFigures::KeyLength);
}

std::array<QPoint, 6> SolvedTick(QPoint topLeft) {
    // A short stroke down to the right, a long one up to the right, each under 3 pixels thick.
    constexpr std::array<QPoint, 6> Tick{{{0, 5}, {2, 3}, {4, 5}, {9, 0}, {11, 2}, {4, 9}}};
    std::array<QPoint, 6> points;
    std::transform(Tick.begin(), Tick.end(), points.begin(), [&](QPoint p) { return p + topLeft; });
    return points;
}
