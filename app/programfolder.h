// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Where the game keeps the files it names without a folder (settings, collections, cues,
// help page). A portable game keeps them beside its executable; an installed one, whose
// program folder is not the player's to write, keeps them in the player's own data folder,
// filled from the installed data on first start.
struct ProgramFolder {
    QString path;           // the folder, no trailing separator
    QStringList copied;     // files copied into a new player's data folder
    QStringList copyFailed; // files that could not be copied there
};

struct ProgramFolderPlaces {
    QString executableDir;
    QStringList installedDataDirs; // where an installed game's data lies, best first
    QString userDataDir;           // the player's own data folder
    std::function<bool(const QString&)> isWritableDir;
};

// The data files a player's folder is filled with.
QStringList playerDataFiles(const QString& dataDir);

ProgramFolder chooseProgramFolder(const ProgramFolderPlaces& places);

// The places of this run: the executable's folder, <prefix>/share/zederoru and the XDG data
// folders, and QStandardPaths::AppDataLocation.
ProgramFolderPlaces systemProgramFolderPlaces();
