// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes.h"

#include "app/game.h"
#include "app/settings.h"

#include <QByteArray>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <array>
#include <optional>

namespace Fixtures {

// A small, fully known piece set: in even orientations every piece is a 48-pixel square,
// in odd ones a diamond of 68 pixels (diagonal units), no turn shifts, pieces at home on a
// tidy grid. Lines end in CR LF.
QByteArray syntheticHeader();

// The 64 header lines of the default collection shipped in data/.
QByteArray defaultHeader();

// Header + label line + the given record lines, each ended by CR LF.
QByteArray collection(const QByteArray& header, const QList<QByteArray>& records);

// A record line: n, x0, y0 and per piece orientation, x, y.
using Placement = std::array<std::array<int, 3>, 7>;
QByteArray record(int n, int x0, int y0, const Placement& pieces);

// Records numbered 1 to count; figure n stands n pixels right of its reference corner.
QList<QByteArray> numbered(int count);

// The default collection's figures (read from its file's text) repeated, renumbered 1 to
// count, under its header: a full collection of real silhouettes.
QByteArray defaultFiguresRepeated(const QByteArray& defaultFile, int count);

// A placement of seven pieces with their origins at the given offsets from (x, y).
Placement spread(int x, int y);

// A record's placement: per piece its orientation and origin.
Placement placementOf(const QByteArray& record);

// Silhouettes of the default piece set that the seven pieces fill in more than one way, as
// the exact-cover solver of the figure tool (tools/figures) lays them: the figure's record
// and records of other solutions of the same silhouette.
struct ManyWays {
    QByteArray name;
    QByteArray figure;
    QList<QByteArray> others;
};
QList<ManyWays> figuresWithOtherSolutions();

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);

// Puts at path, in place of whatever is there, what a careless or hostile hand might leave
// where a file is expected: "folder", "pipe" (a named pipe nobody writes), "device" (a
// symbolic link to /dev/zero) or "huge" (a 100 MB file).
void putNoCollection(const QString& path, const QString& kind);

// Every colour an image holds.
QSet<QRgb> coloursOf(const QImage& image);

// The largest difference of one colour channel between two pictures of one size.
int worstChannelDifference(const QImage& a, const QImage& b);

} // namespace Fixtures

// A game started in a temporary program folder with scripted messages and recorded sound.
struct TestGame {
    FakeMessageBoxes messages;
    RecordingSound sound;
    QTemporaryDir folder;
    Game game{messages, sound, 15, 15};
    PELORIN1& p = game.pelorin;

    QString path(const QString& name) const { return folder.filePath(name); }
    // Writes PELORIN.pel into the program folder and runs start-up.
    std::optional<Settings> start(const QByteArray& collection);
};
