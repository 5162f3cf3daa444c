#pragma once

#include <QByteArray>
#include <QString>

// Every rewrite of a player's file goes through here. The new content is written to a
// temporary file in the same folder, which replaces the old file only once it is complete,
// so a crash or a full disk leaves either the old or the new file whole.
namespace SafeWrite {

// Replaces the file at path with content. A file that nobody may write is refused. On
// failure the old file is untouched and why (when given) says what went wrong.
bool replaceFile(const QString& path, const QByteArray& content, QString* why);

// For tests: from now on every write stops after this many bytes and fails with reason, as
// a full disk would. stopFailing() ends it.
void failAfter(qint64 bytes, const QString& reason = QStringLiteral("No space left on device"));
void stopFailing();

} // namespace SafeWrite
