// SPDX-License-Identifier: GPL-3.0-or-later
#include "safewrite.h"

#include "files.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeWrite {

namespace {

struct Injected {
    std::optional<qint64> writeLimit;
    int writeErrno = 0;
    int syncErrno = 0;
};

Injected& injected() {
    static Injected faults;
    return faults;
}

bool fail(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return false;
}

const QString TemporaryMark = QStringLiteral(".zederoru-");

// The player's way of protecting a file: honoured even when the process could write it.
bool markedReadOnly(const struct stat& st, const QByteArray& name) {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name, W_OK) != 0;
}

// Every temporary file of ours beside target is left from a write that never finished:
// while the lock is held no other write can be under way.
void removeLeftTemporaries(const QString& target) {
    const QFileInfo info(target);
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName() + TemporaryMark) + "[A-Za-z0-9]{6}"));
    QDir folder = info.dir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (ours.match(name).hasMatch())
            folder.remove(name);
}

struct Temporary {
    QString path;
    int fd = -1;
};

// Created afresh with a new name: an existing file or a symbolic link of that name is never
// opened, so nothing outside the folder can be written through it.
std::optional<Temporary> createTemporary(const QString& target, QString* why) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = target + TemporaryMark;
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            return Temporary{name, fd};
        if (errno != EEXIST) {
            fail(why, systemError(errno));
            return std::nullopt;
        }
    }
    fail(why, systemError(EEXIST));
    return std::nullopt;
}

bool writeAll(int fd, const QByteArray& content, QString* why) {
    const Injected& faults = injected();
    qint64 written = 0;
    while (written < content.size()) {
        qint64 chunk = content.size() - written;
        if (faults.writeLimit && written + chunk > *faults.writeLimit) {
            if (written >= *faults.writeLimit)
                return fail(why, systemError(faults.writeErrno));
            chunk = *faults.writeLimit - written;
        }
        const ssize_t n = ::write(fd, content.constData() + written, static_cast<size_t>(chunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(why, systemError(errno));
        written += n;
    }
    return true;
}

// A disk that fills up may report it only when the data reaches it: ask before the old file
// is replaced. A file system that cannot flush (EINVAL) has nothing to report.
bool reachedDisk(int fd, QString* why) {
    const int injectedErrno = injected().syncErrno;
    const int result = injectedErrno != 0 ? -1 : ::fsync(fd);
    const int error = injectedErrno != 0 ? injectedErrno : errno;
    if (result == 0 || error == EINVAL)
        return true;
    return fail(why, systemError(error));
}

// The replacement keeps the old file's permissions and, where the process may, its owner.
// Neither can fail the change: only the superuser may give a file away, and a file system
// without permissions (a memory card) keeps its own.
void keepAttributes(int fd, const struct stat& old) {
    [[maybe_unused]] const int owner = ::fchown(fd, old.st_uid, old.st_gid);
    [[maybe_unused]] const int mode = ::fchmod(fd, old.st_mode & 07777);
}

bool writeTemporary(const Temporary& temp, const struct stat* old, const QByteArray& content,
                    QString* why) {
    if (old)
        keepAttributes(temp.fd, *old);
    if (!writeAll(temp.fd, content, why) || !reachedDisk(temp.fd, why)) {
        ::close(temp.fd);
        return false;
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(temp.fd) != 0)
        return fail(why, systemError(errno));
    return true;
}

// Once the new name is in the folder, flushing the folder only makes it last through a
// power cut; the file is replaced either way, so a failure here is no failure of the change.
void flushFolder(const QString& target) {
    const int fd = ::open(QFile::encodeName(QFileInfo(target).path()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    [[maybe_unused]] const int flushed = ::fsync(fd);
    ::close(fd);
}

// errnum: what the system last said while the lock was tried, 0 when nothing.
QString lockFailure(QLockFile::LockError error, int errnum) {
    switch (error) {
    case QLockFile::LockFailedError:
        return QCoreApplication::translate("SafeWrite",
                                           "it is busy: another Zederoru is changing it; "
                                           "try again in a moment");
    case QLockFile::PermissionError:
        return QCoreApplication::translate("SafeWrite", "the folder it lies in cannot be written");
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    // A full disk or a folder that has gone: the system's own words say it best.
    return errnum != 0 ? systemError(errnum)
                       : QCoreApplication::translate("SafeWrite",
                                                     "its lock file cannot be created beside it");
}

} // namespace

QString resolved(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : path;
}

FileLock::FileLock(const QString& path) : lock_(resolved(path) + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(StaleLockMs);
}

bool FileLock::acquire(QString* why) {
    QElapsedTimer waited;
    waited.start();
    // Short, uneven pauses: two games taking turns never fall into step.
    errno = 0;
    while (!lock_.tryLock(0)) {
        if (lock_.error() != QLockFile::LockFailedError || waited.elapsed() >= LockWaitMs)
            return fail(why, lockFailure(lock_.error(), errno));
        QThread::msleep(QRandomGenerator::global()->bounded(5, 30));
    }
    return true;
}

bool replaceFile(const QString& path, const QByteArray& content, QString* why) {
    const QString target = resolved(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists) {
        if (const QString kind = notRegularFile(old.st_mode); !kind.isEmpty())
            return fail(why, kind);
        if (markedReadOnly(old, name))
            return fail(why, QCoreApplication::translate("SafeWrite", "the file is read-only"));
    }
    removeLeftTemporaries(target);
    const std::optional<Temporary> temp = createTemporary(target, why);
    if (!temp)
        return false;
    const QByteArray tempName = QFile::encodeName(temp->path);
    if (!writeTemporary(*temp, exists ? &old : nullptr, content, why)) {
        ::unlink(tempName.constData());
        return false;
    }
    if (::rename(tempName.constData(), name.constData()) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        return fail(why, systemError(error));
    }
    flushFolder(target);
    return true;
}

bool update(const QString& path, qint64 maxBytes, const Change& change, QString* why) {
    FileLock lock(path);
    if (!lock.acquire(why))
        return false;
    const std::optional<QByteArray> current = readRegularFile(resolved(path), maxBytes, why);
    if (!current)
        return false;
    const std::optional<QByteArray> next = change(*current, why);
    return next && replaceFile(path, *next, why);
}

void failAfter(qint64 bytes, int errnum) {
    injected().writeLimit = bytes;
    injected().writeErrno = errnum;
}

void failSync(int errnum) {
    injected().syncErrno = errnum;
}

void stopFailing() {
    injected() = Injected{};
}

} // namespace SafeWrite
