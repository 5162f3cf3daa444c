#include "startup.h"

#include "platform/files.h"
#include "puzzle/pelorin1.h"

namespace {

Settings settingsOf(const QString& path) {
    if (FileSize(path) == 0)
        writeDefaultSettings(path, nullptr); // a read-only folder still starts on defaults
    return readSettings(path).value_or(Settings{});
}

void tellCannotStart(PELORIN1& game, const QString& text) {
    game.messages.MsgBox({text});
}

bool loadCollection(PELORIN1& game) {
    const QString path = game.FigureFilePath;
    if (FileSize(path) == 0) {
        tellCannotStart(game, QStringLiteral("Pelorin shapes file not found:") + game.NewLine +
                                  path);
        return false;
    }
    QString why;
    PELORIN1::LoadResult result = game.LoadPieceSet(&why);
    game.InitialState();
    if (result == PELORIN1::LoadResult::Ok)
        result = game.LoadFigures(&why);
    if (result == PELORIN1::LoadResult::TooMany)
        return false; // the reader has said so
    if (result != PELORIN1::LoadResult::Ok) {
        tellCannotStart(game, QStringLiteral("Pelorin shapes file cannot be read:") +
                                  game.NewLine + path + game.NewLine + why);
        return false;
    }
    return true;
}

} // namespace

std::optional<Settings> StartUp(PELORIN1& game, const QString& programFolder) {
    game.AppDir = withTrailingSeparator(programFolder);
    game.PixScaleX = static_cast<float>(15 / game.TwipsX);
    game.PixScaleY = static_cast<float>(15 / game.TwipsY);
    const Settings settings = settingsOf(game.AppDir + SettingsFileName);
    game.FigureFilePath = game.AppDir + settings.collection;
    game.setLevelText(QStringLiteral("Play difficulty: NORMAL"));
    if (!loadCollection(game))
        return std::nullopt;
    game.Randomize();
    game.CurrentFigure = game.RandomFigure();
    game.ShowFigure();
    for (int i = 0; i < PELORIN1::Pieces; ++i)
        game.CheckOrientation(i);
    game.DrawAllPieces();
    return settings;
}

void ShutDown(PELORIN1& game) {
    game.sound.mciSendString(QStringLiteral("stop mp3"));
    game.sound.mciSendString(QStringLiteral("close all"));
    game.PlaySound(QStringLiteral("thank"));
}
