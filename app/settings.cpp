// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "platform/files.h"
#include "platform/safewrite.h"
#include "puzzle/fieldreader.h"

#include <charconv>
#include <cmath>

namespace {

constexpr qint64 MaxSettingsBytes = 64 * 1024;

} // namespace

std::optional<Settings> readSettings(const QString& path) {
    const std::optional<QByteArray> content = readRegularFile(path, MaxSettingsBytes, nullptr);
    if (!content)
        return std::nullopt;
    return parseSettings(*content);
}

namespace {

// Far beyond any screen; keeps every stored position well inside the range of a float.
constexpr double MaxTwips = 1e7;

} // namespace

Settings parseSettings(const QByteArray& content) {
    FieldReader reader(content);
    Settings s;
    s.collection = reader.text().value_or(QString());
    std::array<float, 4> positions{};
    for (float& p : positions) {
        const std::optional<double> v = reader.number();
        if (!v || std::abs(*v) > MaxTwips)
            return s; // no position stored
        p = static_cast<float>(*v);
    }
    s.positions = positions;
    return s;
}

bool writeSettings(const QString& path, const QByteArray& content, QString* error) {
    SafeWrite::FileLock lock(path);
    return lock.acquire(error) && SafeWrite::replaceFile(path, content, error);
}

bool writeDefaultSettings(const QString& path, QString* error) {
    return writeSettings(path, QByteArrayLiteral("PELORIN.pel\r\n-1,-1,-1,-1\r\n"), error);
}

namespace {

// The shortest plain decimal that reads back as the same float, a blank in the sign place.
QByteArray shortest(float v) {
    std::array<char, 64> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed)
            .ptr;
    const QByteArray digits(buffer.data(), end - buffer.data());
    return v < 0 ? digits : ' ' + digits;
}

// A name that a plain text field would cut short, trim or break over lines is written in
// quotes; one that reads back wrong either way (a quote inside and a comma) is written as
// it is, and the next start falls back to the default collection.
QByteArray nameField(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    return asTextField(bytes).value_or(bytes);
}

} // namespace

QByteArray formatSettings(const QString& collectionPath, const std::array<float, 4>& positions) {
    const qsizetype slash = collectionPath.lastIndexOf(QLatin1Char('/'));
    QByteArray out = nameField(collectionPath.mid(slash + 1)) + "\r\n";
    for (float p : positions)
        out += shortest(p) + ' ';
    return out + "\r\n";
}
