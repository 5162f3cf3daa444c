// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/colour.h"

#include <QByteArray>
#include <QHash>
#include <QPoint>
#include <QSet>
#include <QSize>
#include <QString>
#include <array>

// The figures a player has solved, remembered from one run to the next in a small file of
// the player's own. A mark names the collection by its canonical path and the figure by a
// key drawn from its own record, so that appending or removing other figures moves no mark
// and a removed figure takes its mark along.
//
// The file is a help, never a need: a missing, damaged, oversized or foreign file only loses
// marks, and a mark that cannot be written still holds for this run. Every write reads the
// file again under its lock and adds to what is there, so two games lose none of each
// other's marks.
class SolvedFigures {
public:
    static constexpr qint64 MaxFileBytes = 1 << 20;
    static constexpr qsizetype KeyLength = 16; // hexadecimal digits

    // Collection (canonical path) to the keys of its solved figures.
    using Marks = QHash<QString, QSet<QByteArray>>;

    // Reads the marks kept in path; an empty path keeps marks for this run only.
    void setFile(const QString& path);
    const QString& file() const { return path_; }

    bool contains(const QString& collection, const QByteArray& figure) const;
    // Whether the collection has any mark at all.
    bool any(const QString& collection) const;
    // Adds a mark and writes the file; a failed write is told on the debug output only.
    void add(const QString& collection, const QByteArray& figure);

    // The marks a file's text holds; lines that are not marks are skipped.
    static Marks parse(const QByteArray& text);
    static QByteArray format(const Marks& marks);

private:
    bool write(QString* why);

    QString path_;
    Marks marks_;
};

// The name a collection's marks are kept under: its canonical path, or its absolute path
// while there is no file.
QString CollectionKey(const QString& path);

// A figure's key from the text of its placement: hexadecimal, KeyLength digits.
QByteArray FigureKeyOf(const QByteArray& placement);

// The tick that marks a solved figure, one unit a pixel, with the top left corner of the
// box it fills, TickSize, at topLeft.
constexpr QSize TickSize(12, 10);
constexpr ColourValue TickColour = RGB(0, 140, 0);
std::array<QPoint, 6> SolvedTick(QPoint topLeft);
