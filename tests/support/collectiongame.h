// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogfakes.h"
#include "fakes.h"

#include "app/game.h"

#include <QTemporaryDir>
#include <functional>

// Answers like FakeMessageBoxes and lets a test look at the game while a box is open.
class WatchingMessageBoxes : public FakeMessageBoxes {
public:
    Answer MsgBox(const Message& message) override {
        if (whileShown)
            whileShown(message);
        return FakeMessageBoxes::MsgBox(message);
    }

    std::function<void(const Message&)> whileShown;
};

// A game started on a collection in a program folder whose name holds blanks and non-ASCII
// letters, with scripted message boxes and file dialogs.
struct CollectionGame {
    WatchingMessageBoxes messages;
    RecordingSound sound;
    ScriptedFileDialogs dialogs;
    QTemporaryDir folder{QDir::tempPath() + QStringLiteral("/Zederoru Figuren ä-XXXXXX")};
    Game game{messages, sound, 15, 15};
    PELORIN1& p = game.pelorin;

    QString path(const QString& name) const { return folder.filePath(name); }
    QString collectionPath() const { return path(QStringLiteral("PELORIN.pel")); }
    QByteArray collectionBytes() const;

    // Writes PELORIN.pel, runs start-up and shows figure 1 (or none).
    bool start(const QByteArray& collection);
    // Puts piece i at (x, y) in orientation o for every entry, then redraws board and hit map
    // as a drop does.
    void arrange(const std::array<std::array<int, 3>, 7>& pieces);
};
