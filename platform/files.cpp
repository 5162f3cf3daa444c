// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

std::int32_t FileSize(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return 0;
    const qint64 size = info.size();
    return static_cast<std::int32_t>(
        std::min<qint64>(size, std::numeric_limits<std::int32_t>::max()));
}

QString withTrailingSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString systemError(int errnum) {
    return QString::fromLocal8Bit(std::strerror(errnum));
}

QString notRegularFile(unsigned mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QCoreApplication::translate("Files", "it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Files", "it is a named pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Files", "it is a device, not a file");
    return QCoreApplication::translate("Files", "it is not a regular file");
}

namespace {

std::nullopt_t fail(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return std::nullopt;
}

QString tooLarge(qint64 size, qint64 maxBytes) {
    return QCoreApplication::translate(
               "Files", "it is %1 bytes long, larger than the %2 bytes the game reads")
        .arg(size)
        .arg(maxBytes);
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* why) {
    // Opened without waiting, so that a named pipe cannot hold the game; what was opened is
    // then checked, so that a file swapped meanwhile cannot slip through.
    const Descriptor file{
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return fail(why, systemError(errno));
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        return fail(why, systemError(errno));
    if (const QString kind = notRegularFile(st.st_mode); !kind.isEmpty())
        return fail(why, kind);
    if (st.st_size > maxBytes)
        return fail(why, tooLarge(st.st_size, maxBytes));
    QByteArray data;
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer.data(), buffer.size());
        if (n == 0)
            return data;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(why, systemError(errno));
        data.append(buffer.data(), n);
        if (data.size() > maxBytes) // it grew while being read
            return fail(why, tooLarge(data.size(), maxBytes));
    }
}

QImage readPngImage(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
