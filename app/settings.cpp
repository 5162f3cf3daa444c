#include "settings.h"

#include "puzzle/fieldreader.h"

#include <QFile>
#include <QSaveFile>

std::optional<Settings> readSettings(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    FieldReader reader(file.readAll());
    Settings s;
    s.collection = reader.text().value_or(QString());
    std::array<float, 4> positions{};
    for (float& p : positions) {
        const std::optional<double> v = reader.number();
        if (!v)
            return s; // no position stored
        p = static_cast<float>(*v);
    }
    s.positions = positions;
    return s;
}

bool writeSettings(const QString& path, const QByteArray& content, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeDefaultSettings(const QString& path, QString* error) {
    return writeSettings(path, QByteArrayLiteral("PELORIN.pel\r\n-1,-1,-1,-1\r\n"), error);
}

namespace {

QByteArray shortest(float v) {
    QByteArray digits = QByteArray::number(static_cast<double>(v), 'g', 7);
    if (digits.contains('e')) // keep plain decimals for twips
        digits = QByteArray::number(static_cast<double>(v), 'f', 0);
    return v < 0 ? digits : ' ' + digits;
}

} // namespace

QByteArray formatSettings(const QString& collectionPath, const std::array<float, 4>& positions) {
    const qsizetype slash = collectionPath.lastIndexOf(QLatin1Char('/'));
    QByteArray out = collectionPath.mid(slash + 1).toUtf8() + "\r\n";
    for (float p : positions)
        out += shortest(p) + ' ';
    return out + "\r\n";
}
