// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The platform's open and save file dialogs. The game asks through this interface, so tests
// can answer from a script.
class FileDialogs {
public:
    // Dialog flags, with the values the older platform gave them.
    static constexpr int OFN_HIDEREADONLY = 0x4;
    static constexpr int OFN_FILEMUSTEXIST = 0x1000;

    struct Request {
        bool saveMode = false;
        QString caption;
        QString filterText;
        QString initialName;   // empty: the file-name field starts empty
        QString initialFolder; // ends in a separator
        int flags = 0;
    };

    virtual ~FileDialogs() = default;
    // The chosen path as the dialog gives it; empty when the player cancels.
    virtual QString GetFileName(const Request& request) = 0;
};
