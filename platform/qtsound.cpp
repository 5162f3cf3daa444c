// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundCommands::QtSoundCommands() = default;

QtSoundCommands::~QtSoundCommands() {
    stopAll();
}

void QtSoundCommands::mciSendString(const QString& command) {
    static const QString playPrefix = QStringLiteral("play ");
    if (command.startsWith(playPrefix))
        play(command.mid(playPrefix.size())); // the rest, blanks and all, is the path
    else if (command == QLatin1String("stop mp3"))
        for (QSoundEffect* effect : std::as_const(effects_))
            effect->stop();
    else if (command == QLatin1String("close all"))
        stopAll();
}

void QtSoundCommands::play(const QString& path) {
    QSoundEffect* effect = effects_.value(path);
    if (!effect) {
        if (!QFileInfo(path).isFile())
            return; // a missing cue is no error
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
        effects_.insert(path, effect);
    }
    effect->play();
}

void QtSoundCommands::stopAll() {
    for (QSoundEffect* effect : std::as_const(effects_)) {
        effect->stop();
        delete effect;
    }
    effects_.clear();
}

// The sound module's factory, which the game looks up when it first plays a sound.
extern "C" Q_DECL_EXPORT SoundCommands* zederoru_make_sound() {
    return new QtSoundCommands;
}
