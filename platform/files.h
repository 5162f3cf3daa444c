#pragma once

#include <QString>
#include <cstdint>

// Length of a file in bytes; 0 when it is missing, empty, unreadable or not a file.
std::int32_t FileSize(const QString& path);

// The folder part of a path, always ending in a separator.
QString withTrailingSeparator(const QString& folder);
