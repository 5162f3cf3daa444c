// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening.h"

#include "collectionfile.h"
#include "opensavedialog.h"

#include "puzzle/pelorin1.h"

#include <QCoreApplication>

namespace {

QString notOpened() {
    return QCoreApplication::translate("Opening", "Pelorin file not opened:");
}

// Loads the figures of path; on any failure the loaded collection stays as it was.
bool loadOther(PELORIN1& game, const QString& path) {
    QString why;
    const std::optional<QByteArray> data = CollectionFile::read(path, &why);
    if (data)
        why = CollectionFile::notACollection(*data);
    if (!why.isEmpty()) {
        CollectionFile::TellFailure(game, notOpened(), path, why);
        return false;
    }
    const QString loaded = game.FigureFilePath;
    game.FigureFilePath = path;
    const PELORIN1::LoadResult result = game.LoadFigures(&why);
    if (result == PELORIN1::LoadResult::Ok)
        return true;
    game.FigureFilePath = loaded;
    if (result != PELORIN1::LoadResult::TooMany) // the loader has said so
        CollectionFile::TellFailure(game, notOpened(), path, why);
    return false;
}

} // namespace

void OpenFigureFile(PELORIN1& game, FileDialogs& dialogs) {
    game.PlaySound(QStringLiteral("click2"));
    QString folder = game.AppDir;
    const QString path = OpenSaveDialog::ShowFileDialog(
        dialogs, 0, AppTitle, QCoreApplication::translate("Opening", "Pelorin files"),
        QStringLiteral("*.pel"), folder);
    if (path.isEmpty() || path == QStringLiteral("*.pel"))
        return;
    Surface& board = game.surfaces.board;
    board.setEnabled(false);
    game.PlaySound(QStringLiteral("shsh-dot"));
    if (loadOther(game, path)) {
        game.Randomize();
        game.CurrentFigure = game.RandomFigure();
        game.ShowFigure();
        for (int i = 0; i < PELORIN1::Pieces; ++i)
            game.CheckOrientation(i);
    }
    board.setEnabled(true);
}
