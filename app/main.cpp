#include "app/exitsequence.h"
#include "app/formmain.h"
#include "app/game.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "app/windowplacement.h"
#include "panel/form1.h"
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
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.zederoru.Zederoru")));
    QtMessageBoxes messages;
    QtSoundCommands sound;
    Game game(messages, sound, TwipsPerPixelX(), TwipsPerPixelY());
    const std::optional<Settings> settings =
        StartUp(game.pelorin, chooseProgramFolder(systemProgramFolderPlaces()).path);
    if (!settings)
        return 1;
    FormMain main(game.pelorin);
    Form1 panel(game.pelorin);
    panel.setMainWindow(&main);
    panel.commands.exit = [&] { ExitGame(game.pelorin, main, panel); };
    QObject::connect(&main, &FormMain::unloaded, &app, &QApplication::quit);
    PlaceWindows(main, panel, *settings);
    main.show();
    panel.show();
    return app.exec();
}
