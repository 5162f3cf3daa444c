// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

// Length of a file in bytes; 0 when it is missing, empty, unreadable or not a file.
std::int32_t FileSize(const QString& path);

// The folder part of a path, always ending in a separator.
QString withTrailingSeparator(const QString& folder);

// The whole content of a regular file (a symbolic link to one is followed) of at most
// maxBytes. Anything else, a folder, a named pipe, a device, a larger file, gives nullopt and
// the reason in why; a pipe or a device is never waited on or read.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* why);

// Why a file of this mode (from stat) is not a regular file; empty when it is one.
QString notRegularFile(unsigned mode);

// The text of a system error number, as the system says it.
QString systemError(int errnum);

// A PNG image (of the game's resources); null when unreadable. Only the PNG reader built into
// Qt reads it: no image format plugin is loaded to look at it.
QImage readPngImage(const QString& path);
