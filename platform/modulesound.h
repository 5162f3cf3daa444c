// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modules.h"
#include "sound.h"

#include <QStringList>
#include <memory>

// The sound commands of the sound module, loaded on the first "play". Before that nothing
// plays, so "stop mp3" and "close all" have nothing to do; a missing module stays silent,
// as every sound failure does.
class ModuleSound : public SoundCommands {
public:
    explicit ModuleSound(QStringList folders = ModuleFolders());
    ~ModuleSound() override;

    void mciSendString(const QString& command) override;

    bool Loaded() const { return sound_ != nullptr; }

private:
    QStringList folders_;
    bool tried_ = false;
    std::unique_ptr<SoundCommands> sound_;
};
