// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messages.h"
#include "platform/sound.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// Answers every question with its first button and plays nothing.
class QuietMessages : public MessageBoxes {
public:
    Answer MsgBox(const Message& m) override {
        return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class QuietSound : public SoundCommands {
public:
    void mciSendString(const QString&) override {}
};

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A Qt application for the offscreen platform, made once per fuzzing process.
void startOffscreenApplication();
