// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulesound.h"

using MakeSound = SoundCommands* (*)();

ModuleSound::ModuleSound(QStringList folders) : folders_(std::move(folders)) {}

ModuleSound::~ModuleSound() = default;

void ModuleSound::mciSendString(const QString& command) {
    if (!sound_ && !tried_ && command.startsWith(QLatin1String("play "))) {
        tried_ = true;
        auto make = reinterpret_cast<MakeSound>(ModuleFunction(
            folders_, QStringLiteral("zederoru_sound"), "zederoru_make_sound", nullptr));
        if (make)
            sound_.reset(make());
    }
    if (sound_)
        sound_->mciSendString(command);
}
