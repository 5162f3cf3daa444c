// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messages.h"
#include "platform/sound.h"

#include <QList>
#include <QStringList>

// Answers message boxes from a script and records every message shown. With the script
// used up, every box gets its first button (OK or Yes).
class FakeMessageBoxes : public MessageBoxes {
public:
    Answer MsgBox(const Message& message) override;

    QList<Answer> script;
    QList<Message> shown;

    QStringList texts() const;
};

// Records the multimedia command strings in the order they were sent.
class RecordingSound : public SoundCommands {
public:
    void mciSendString(const QString& command) override { commands.append(command); }

    QStringList commands;
};
