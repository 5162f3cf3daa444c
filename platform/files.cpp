#include "files.h"

#include <QFileInfo>
#include <limits>

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
