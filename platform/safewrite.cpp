#include "safewrite.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace SafeWrite {

namespace {

struct Failure {
    qint64 afterBytes;
    QString reason;
};

std::optional<Failure>& injectedFailure() {
    static std::optional<Failure> failure;
    return failure;
}

// The player's way of protecting a file: honoured even when the process could write it.
bool markedReadOnly(const QFileInfo& info) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && (!info.isWritable() || (info.permissions() & anyWrite) == 0);
}

bool fail(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return false;
}

bool writeAll(QSaveFile& file, const QByteArray& content, QString* why) {
    const std::optional<Failure>& failure = injectedFailure();
    if (failure && failure->afterBytes < content.size()) {
        file.write(content.left(failure->afterBytes));
        file.cancelWriting();
        return fail(why, failure->reason);
    }
    if (file.write(content) != content.size())
        return fail(why, file.errorString());
    return true;
}

// A disk that fills up may report it only when the data reaches it, and QSaveFile's commit
// ignores the outcome of that step: ask for it here, before the old file is replaced.
bool reachedDisk(QSaveFile& file, QString* why) {
    if (::fsync(file.handle()) == 0 || errno == EINVAL)
        return true;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    file.cancelWriting();
    return fail(why, reason);
}

} // namespace

bool replaceFile(const QString& path, const QByteArray& content, QString* why) {
    const QFileInfo info(path);
    if (info.isDir())
        return fail(why, QStringLiteral("it is a folder, not a file"));
    if (markedReadOnly(info))
        return fail(why, QStringLiteral("the file is read-only"));
    QSaveFile file(path);
    // Unbuffered, so that a write the disk cannot take fails here and not unnoticed inside
    // commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(why, file.errorString());
    if (!writeAll(file, content, why) || !reachedDisk(file, why))
        return false;
    if (!file.commit())
        return fail(why, file.errorString());
    return true;
}

void failAfter(qint64 bytes, const QString& reason) {
    injectedFailure() = Failure{bytes, reason};
}

void stopFailing() {
    injectedFailure().reset();
}

} // namespace SafeWrite
