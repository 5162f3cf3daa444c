// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/game.h"
#include "app/gamewindows.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "app/translations.h"
#include "platform/files.h"
#include "platform/modules.h"
#include "platform/modulesound.h"
#include "platform/qtmessageboxes.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

int play(const CommandLine& command) {
    QtMessageBoxes messages;
    ModuleSound sound;
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
#ifdef __GLIBC__
    // Qt's threads (the X event reader, D-Bus, the painting pool) allocate little; one malloc
    // arena shared with them keeps the pages of an arena each out of memory.
    mallopt(M_ARENA_MAX, 1);
#endif
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
    QApplication::style(); // its own plugin, if the desktop names one, before they are held back
    HoldBackPlugins();
    LoadTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Zederoru"));
    QApplication::setApplicationVersion(QStringLiteral(ZEDERORU_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.zederoru.zederoru"));
    // From the resource, not the icon theme: the theme's scalable icon would load SVG support.
    QIcon icon;
    for (const char* size : {"32x32", "64x64", "128x128"})
        icon.addPixmap(QPixmap::fromImage(readPngImage(
            QStringLiteral(":/app/%1/org.zederoru.zederoru.png").arg(QLatin1String(size)))));
    QApplication::setWindowIcon(icon);
    return play(command);
}
