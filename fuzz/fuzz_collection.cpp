// SPDX-License-Identifier: GPL-3.0-or-later
// A collection file of arbitrary bytes through the readers the game uses, and, when it is
// accepted, through drawing every figure and the fit check.
#include "fuzzsupport.h"

#include "app/game.h"
#include "puzzle/figurefile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QString collectionPath() {
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("fuzz.pel"));
}

void playThrough(PELORIN1& p) {
    p.InitialState();
    for (int f = 1; f <= std::min(p.FigureCount, 40); ++f) {
        p.CurrentFigure = f;
        p.PlayLevel = static_cast<std::int16_t>(1 + f % 3);
        p.ShowFigure();
        for (int i = 0; i < PELORIN1::Pieces; ++i)
            p.CheckOrientation(i);
        p.CheckFit();
    }
    p.ResetPieces();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    for (const QByteArray& line : FigureFile::splitLines(bytes))
        (void)FigureFile::parseRecord(line);

    QFile file(collectionPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    QuietMessages messages;
    QuietSound sound;
    Game game(messages, sound, 15, 15);
    PELORIN1& p = game.pelorin;
    p.FigureFilePath = collectionPath();
    if (p.LoadPieceSet() == PELORIN1::LoadResult::Ok &&
        p.LoadFigures() == PELORIN1::LoadResult::Ok)
        playThrough(p);
    return 0;
}
