// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <cerrno>
#include <functional>
#include <optional>

// Every change of a player's file goes through here, so that no file is ever lost or left
// half-written, even with two games on one folder.
//
// A change holds the file's lock, the lock file "<name>.lock" beside it, from reading the
// file to replacing it. A second game waits for it up to LockWaitMs, then gives up and says
// the file is busy. A lock whose game has died is taken over at once; one older than
// StaleLockMs, far longer than any change holds it, counts as left behind.
//
// The new content is written to a temporary file "<name>.zederoru-XXXXXX" beside the file,
// created afresh (never through a symbolic link) and flushed to the disk, which then takes
// the old file's place in one step: a crash or a full disk leaves either the old or the new
// file whole. Temporary files that a killed game left behind are removed by the next change.
namespace SafeWrite {

constexpr int LockWaitMs = 3000;
constexpr int StaleLockMs = 30000;

// The file that path names: the final target of a symbolic link, so that every name of one
// file shares its lock and a link stays a link; path itself when there is no such file yet.
QString resolved(const QString& path);

// The lock of one file, released when this goes.
class FileLock {
public:
    explicit FileLock(const QString& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock, waiting for another game as long as LockWaitMs; false with the reason
    // in why.
    bool acquire(QString* why);

private:
    QLockFile lock_;
};

// Replaces the file at path with content; the caller holds the file's lock. Anything but a
// regular file, and a file that nobody may write, is refused. On failure the old file is
// untouched and why (when given) says what went wrong.
bool replaceFile(const QString& path, const QByteArray& content, QString* why);

// Reads the current content, asks change for the new one and replaces the file, all under
// the file's lock. change returns nullopt, with the reason in why, to leave the file as it
// is. The file must be a regular file of at most maxBytes.
using Change = std::function<std::optional<QByteArray>(const QByteArray& current, QString* why)>;
bool update(const QString& path, qint64 maxBytes, const Change& change, QString* why);

// For tests: from now on every write stops after this many bytes and fails with errnum, as
// on a full disk; or flushing to the disk fails with errnum. stopFailing() ends both.
void failAfter(qint64 bytes, int errnum = ENOSPC);
void failSync(int errnum);
void stopFailing();

} // namespace SafeWrite
