// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound.h"

#include <QHash>
#include <QString>

class QSoundEffect;

// Plays wave files for the command strings "play " + path, "stop mp3" and "close all".
// Every sound plays asynchronously, one player per file so that cues overlap; the audio
// side is created on the first "play" only. Every failure is silent.
class QtSoundCommands : public SoundCommands {
public:
    QtSoundCommands();
    ~QtSoundCommands() override;

    void mciSendString(const QString& command) override;

    // Files that have a player so far (tests look at this).
    int loadedCount() const { return static_cast<int>(effects_.size()); }

private:
    void play(const QString& path);
    void stopAll();

    QHash<QString, QSoundEffect*> effects_;
};
