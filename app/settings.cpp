#include "settings.h"

#include "platform/safewrite.h"
#include "puzzle/fieldreader.h"

#include <QFile>
#include <charconv>
#include <cmath>

namespace {

constexpr qint64 MaxSettingsBytes = 64 * 1024;

} // namespace

std::optional<Settings> readSettings(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseSettings(file.read(MaxSettingsBytes)); // two short lines; the rest is not ours
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
    return SafeWrite::replaceFile(path, content, error);
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

// A name that a plain text field would cut short or trim is written in quotes.
QByteArray nameField(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    const bool plain = !bytes.contains(',') && bytes == bytes.trimmed() && !bytes.startsWith('"');
    return plain ? bytes : '"' + bytes + '"';
}

} // namespace

QByteArray formatSettings(const QString& collectionPath, const std::array<float, 4>& positions) {
    const qsizetype slash = collectionPath.lastIndexOf(QLatin1Char('/'));
    QByteArray out = nameField(collectionPath.mid(slash + 1)) + "\r\n";
    for (float p : positions)
        out += shortest(p) + ' ';
    return out + "\r\n";
}
