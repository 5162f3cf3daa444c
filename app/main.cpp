#include "app/game.h"
#include "app/gamewindows.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtsound.h"
#include "platform/twips.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zederoru"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setDesktopFileName(QStringLiteral("org.zederoru.Zederoru"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.zederoru.Zederoru"),
                         QIcon(QStringLiteral(":/app/org.zederoru.Zederoru.svg"))));
    QtMessageBoxes messages;
    QtSoundCommands sound;
    Game game(messages, sound, TwipsPerPixelX(), TwipsPerPixelY());
    const std::optional<Settings> settings =
        StartUp(game.pelorin, chooseProgramFolder(systemProgramFolderPlaces()).path);
    if (!settings)
        return 1;
    GameWindows windows(game, messages);
    QObject::connect(&windows.main, &FormMain::unloaded, &app, &QApplication::quit);
    windows.show(*settings);
    return app.exec();
}
