// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The multimedia command strings the game sends: "play " + wave file path, "stop mp3",
// "close all". Replies are never read and failures are silent.
class SoundCommands {
public:
    virtual ~SoundCommands() = default;
    virtual void mciSendString(const QString& command) = 0;
};
