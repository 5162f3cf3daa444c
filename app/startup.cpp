// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "platform/files.h"
#include "puzzle/pelorin1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

Settings settingsOf(const QString& path) {
    if (FileSize(path) == 0)
        writeDefaultSettings(path, nullptr); // a read-only folder still starts on defaults
    return readSettings(path).value_or(Settings{});
}

void tellCannotStart(PELORIN1& game, const QString& text) {
    game.messages.MsgBox({text});
}

// Missing, or a file without content. Anything else that is there, a pipe, a device, a file
// too large or unreadable, goes to the readers, which say what is wrong with it.
bool collectionMissing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() == 0);
}

bool loadCollection(PELORIN1& game) {
    const QString path = game.FigureFilePath;
    if (collectionMissing(path)) {
        tellCannotStart(game,
                        QCoreApplication::translate("StartUp", "Pelorin shapes file not found:") +
                            game.NewLine + path);
        return false;
    }
    QString why;
    PELORIN1::LoadResult result = game.LoadPieceSet(&why);
    game.InitialState();
    if (result == PELORIN1::LoadResult::Ok)
        result = game.LoadFigures(&why);
    if (result == PELORIN1::LoadResult::Ok)
        return true;
    if (result != PELORIN1::LoadResult::TooMany) // the reader has told the player itself
        tellCannotStart(
            game, QCoreApplication::translate("StartUp", "Pelorin shapes file cannot be read:") +
                      game.NewLine + path + game.NewLine + why);
    return false;
}

// The collections to try, best first: the one asked for on the command line, the one the
// settings name, and the default one. A collection opened from another folder is stored by
// name only, so without the fallback the game could never start again after such an exit.
QStringList collectionsToTry(const QString& appDir, const Settings& settings,
                             const QString& requested) {
    QStringList paths;
    if (!requested.isEmpty())
        paths.append(requested);
    paths.append(appDir + settings.collection);
    paths.append(appDir + Settings{}.collection);
    paths.removeDuplicates();
    return paths;
}

bool loadFirstCollection(PELORIN1& game, const QStringList& paths) {
    for (const QString& path : paths) {
        game.FigureFilePath = path;
        if (loadCollection(game))
            return true;
    }
    return false;
}

} // namespace

std::optional<Settings> StartUp(PELORIN1& game, const QString& programFolder,
                                const QString& requestedCollection) {
    game.AppDir = withTrailingSeparator(programFolder);
    game.PixScaleX = static_cast<float>(15 / game.TwipsX);
    game.PixScaleY = static_cast<float>(15 / game.TwipsY);
    const Settings settings = settingsOf(game.AppDir + SettingsFileName);
    game.setLevelText(QCoreApplication::translate("PlayLevel", "Play difficulty: NORMAL"));
    if (!loadFirstCollection(game, collectionsToTry(game.AppDir, settings, requestedCollection)))
        return std::nullopt;
    game.Randomize();
    game.CurrentFigure = game.RandomFigure();
    game.ShowFigure();
    for (int i = 0; i < PELORIN1::Pieces; ++i)
        game.CheckOrientation(i);
    game.DrawAllPieces();
    return settings;
}

QString SolvedFiguresFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/solved-figures.txt");
}

void ShutDown(PELORIN1& game) {
    game.sound.mciSendString(QStringLiteral("stop mp3"));
    game.sound.mciSendString(QStringLiteral("close all"));
    game.PlaySound(QStringLiteral("thank"));
}
