#include "app/commandline.h"
#include "app/formmain.h"
#include "app/game.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "app/windowplacement.h"
#include "panel/form1.h"
#include "platform/qtmessageboxes.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

namespace {

// Until the audio layer lands the cues go nowhere.
class NoSound : public SoundCommands {
public:
    void mciSendString(const QString&) override {}
};

} // namespace

int main(int argc, char* argv[]) {
    // Read before any window exists: checking a collection needs no display.
    const CommandLine command = parseCommandLine(commandArguments(argc, argv));
    if (command.action != CommandLine::Action::Play) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runWithoutWindow(command, out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zederoru"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setDesktopFileName(QStringLiteral("org.zederoru.Zederoru"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.zederoru.Zederoru")));
    QtMessageBoxes messages;
    NoSound sound;
    Game game(messages, sound, TwipsPerPixelX(), TwipsPerPixelY());
    const std::optional<Settings> settings =
        StartUp(game.pelorin, chooseProgramFolder(systemProgramFolderPlaces()).path);
    if (!settings)
        return 1;
    FormMain main(game.pelorin);
    Form1 panel(game.pelorin);
    QObject::connect(&main, &FormMain::unloaded, &app, &QApplication::quit);
    PlaceWindows(main, panel, *settings);
    main.show();
    panel.show();
    return app.exec();
}
