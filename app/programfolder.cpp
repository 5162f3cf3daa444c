// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString DefaultCollection = QStringLiteral("PELORIN.pel");

bool holdsGameData(const QString& dir) {
    return QFileInfo(QDir(dir).filePath(DefaultCollection)).isFile();
}

QString installedDataDir(const QStringList& candidates) {
    for (const QString& dir : candidates)
        if (holdsGameData(dir))
            return dir;
    return {};
}

// The names of an installed collection would name the figures of the player's own copy
// wrongly once either has changed; names go only with the collection they belong to.
bool namesOfPlayersCollection(const QString& folder, const QString& name) {
    if (!name.endsWith(QLatin1String(".names")))
        return false;
    const QString collection = name.chopped(6) + QStringLiteral(".pel");
    return QFileInfo::exists(QDir(folder).filePath(collection));
}

// Copies the installed data into the player's folder, never replacing a file already there.
void fillPlayerFolder(const QString& from, ProgramFolder& folder) {
    QDir().mkpath(folder.path);
    for (const QString& name : playerDataFiles(from)) {
        const QString target = QDir(folder.path).filePath(name);
        if (QFileInfo::exists(target) || namesOfPlayersCollection(folder.path, name))
            continue;
        // Installed data may be read-only; the player's copy is the player's to change.
        if (QFile::copy(QDir(from).filePath(name), target) &&
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner |
                                              QFile::ReadOwner))
            folder.copied.append(name);
        else
            folder.copyFailed.append(name);
    }
}

// A folder the process can create a file in; the permission bits alone do not tell for root.
bool canCreateFileIn(const QString& dir) {
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".zederoru-XXXXXX")));
    return probe.open();
}

} // namespace

QStringList playerDataFiles(const QString& dataDir) {
    const QStringList patterns = {QStringLiteral("*.pel"), QStringLiteral("*.names"),
                                  QStringLiteral("*.wav"), QStringLiteral("*.htm"),
                                  QStringLiteral("*.png")};
    return QDir(dataDir).entryList(patterns, QDir::Files, QDir::Name);
}

ProgramFolder chooseProgramFolder(const ProgramFolderPlaces& places) {
    if (holdsGameData(places.executableDir) && places.isWritableDir(places.executableDir))
        return {places.executableDir, {}, {}};
    const QString installed = installedDataDir(places.installedDataDirs);
    if (installed.isEmpty()) // nothing installed: start-up reports the missing collection
        return {places.executableDir, {}, {}};
    ProgramFolder folder{places.userDataDir, {}, {}};
    fillPlayerFolder(installed, folder);
    return folder;
}

ProgramFolderPlaces systemProgramFolderPlaces() {
    ProgramFolderPlaces places;
    places.executableDir = QCoreApplication::applicationDirPath();
    places.installedDataDirs.append(
        QDir(places.executableDir).absoluteFilePath(QStringLiteral("../share/zederoru")));
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.installedDataDirs.append(QDir(dir).filePath(QStringLiteral("zederoru")));
    places.userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    places.isWritableDir = canCreateFileIn;
    return places;
}
