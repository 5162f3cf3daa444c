// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/filedialogs.h"
#include "platform/safewrite.h"

#include <QList>
#include <QStringList>

// Answers file dialogs from a script of paths ("" is Cancel) and records every request.
// With the script used up, every dialog is cancelled.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString GetFileName(const Request& request) override {
        requests.append(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QList<Request> requests;
};

// While it lives, every write of a player's file stops after the given number of bytes and
// fails with the given error, as on a full disk.
class DiskFullAfter {
public:
    explicit DiskFullAfter(qint64 bytes, int errnum = ENOSPC) {
        SafeWrite::failAfter(bytes, errnum);
    }
    ~DiskFullAfter() { SafeWrite::stopFailing(); }
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;
};
