// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/game.h"
#include "app/gamewindows.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "app/translations.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtsound.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

int play(const CommandLine& command) {
    QtMessageBoxes messages;
    QtSoundCommands sound;
    Game game(messages, sound, TwipsPerPixelX(), TwipsPerPixelY());
    game.pelorin.Solved.setFile(SolvedFiguresFile());
    const QString asked =
        command.collection.isEmpty() ? QString() : QFileInfo(command.collection).absoluteFilePath();
    const std::optional<Settings> settings =
        StartUp(game.pelorin, chooseProgramFolder(systemProgramFolderPlaces()).path, asked);
    if (!settings)
        return 1;
    GameWindows windows(game, messages);
    QObject::connect(&windows.main, &FormMain::unloaded, qApp, &QApplication::quit);
    windows.show(*settings);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before any window exists: checking a collection needs no display.
    const CommandLine command = parseCommandLine(commandArguments(argc, argv));
    if (command.action != CommandLine::Action::Play) {
        QCoreApplication core(argc, argv);
        LoadTranslations(core);
        QTextStream out(stdout);
        QTextStream err(stderr);
        // Read again now that the translations are in, for the error texts.
        return runWithoutWindow(parseCommandLine(commandArguments(argc, argv)), out, err);
    }
    QApplication app(argc, argv);
    LoadTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Zederoru"));
    QApplication::setApplicationVersion(QStringLiteral(ZEDERORU_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.zederoru.zederoru"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.zederoru.zederoru"),
                         QIcon(QStringLiteral(":/app/org.zederoru.zederoru.svg"))));
    return play(command);
}
