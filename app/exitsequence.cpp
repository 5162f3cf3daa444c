// SPDX-License-Identifier: GPL-3.0-or-later
#include "exitsequence.h"

#include "settings.h"
#include "windowplacement.h"

#include "puzzle/pelorin1.h"

#include <QCoreApplication>
#include <QWidget>

void ExitGame(PELORIN1& game, QWidget& main, QWidget& panel) {
    const QString path = game.AppDir + SettingsFileName;
    QString why;
    if (!writeSettings(path, formatSettings(game.FigureFilePath, WindowPositions(main, panel)),
                       &why)) {
        game.messages.MsgBox(
            {QCoreApplication::translate("ExitSequence", "The settings could not be saved:") +
                 game.NewLine + path + game.NewLine + why,
             MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Warning});
    }
    game.sound.mciSendString(QStringLiteral("stop mp3"));
    game.sound.mciSendString(QStringLiteral("close all"));
    main.close();
    panel.close();
}
