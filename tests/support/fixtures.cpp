// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures.h"

#include "app/startup.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace Fixtures {

namespace {

QByteArray shapeRecord(int piece, int orient) {
    const bool diamond = orient % 2 == 1;
    const QByteArray points = diamond ? "1,0,2,1,1,2,0,1,1,0" : "0,0,2,0,2,2,0,2,0,0";
    return QByteArray::number(piece * 10 + orient) + (diamond ? ",-1,2,2,0,0," : ",1,2,2,0,0,") +
           points + ",0,0";
}

} // namespace

QByteArray syntheticHeader() {
    QByteArray out;
    for (int i = 0; i < 7; ++i) {
        const double hx = (i % 4) * 3.5 - 3;
        const double hy = (i / 4) * 4.0 - 3;
        out += QByteArray::number(hx) + "," + QByteArray::number(hy) + "\r\n";
    }
    for (int i = 0; i < 7; ++i)
        for (int o = 0; o < 8; ++o)
            out += shapeRecord(i, o) + "\r\n";
    out += "End of piece set\r\n";
    return out;
}

QByteArray defaultHeader() {
    QFile file(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("default collection missing");
    QByteArray out;
    for (int i = 0; i < 64; ++i)
        out += file.readLine();
    return out;
}

QByteArray collection(const QByteArray& header, const QList<QByteArray>& records) {
    QByteArray out = header + "Test figures\r\n";
    for (const QByteArray& r : records)
        out += r + "\r\n";
    return out;
}

QByteArray record(int n, int x0, int y0, const Placement& pieces) {
    QByteArray out =
        QByteArray::number(n) + "," + QByteArray::number(x0) + "," + QByteArray::number(y0);
    for (const auto& piece : pieces)
        for (int v : piece)
            out += "," + QByteArray::number(v);
    return out;
}

QList<QByteArray> numbered(int count) {
    QList<QByteArray> out;
    for (int n = 1; n <= count; ++n)
        out.append(record(n, 10, 10, spread(10 + n, 10)));
    return out;
}

QByteArray defaultFiguresRepeated(const QByteArray& defaultFile, int count) {
    QList<QByteArray> figures;
    for (const QByteArray& line : defaultFile.split('\n').mid(66))
        if (line.count(',') == 23)
            figures.append(line.trimmed());
    QList<QByteArray> records;
    for (int n = 1; n <= count && !figures.isEmpty(); ++n) {
        QList<QByteArray> fields = figures[(n - 1) % figures.size()].split(',');
        fields[0] = QByteArray::number(n);
        records.append(fields.join(','));
    }
    return collection(defaultHeader(), records);
}

Placement spread(int x, int y) {
    Placement p{};
    for (int i = 0; i < 7; ++i)
        p[static_cast<std::size_t>(i)] = {0, x + 48 * (i % 4), y + 48 * (i / 4)};
    return p;
}

Placement placementOf(const QByteArray& record) {
    const QList<QByteArray> fields = record.split(',');
    Placement p{};
    for (std::size_t k = 0; k < 7; ++k)
        for (std::size_t v = 0; v < 3; ++v)
            p[k][v] = fields[static_cast<qsizetype>(3 + 3 * k + v)].toInt();
    return p;
}

QList<ManyWays> figuresWithOtherSolutions() {
    return {
        // The square of all seven pieces in diagonal units: turned and mirrored.
        {"square",
         "1,60,60,5,60,60,3,60,60,3,162,60,1,128,94,5,94,128,3,128,128,3,60,162",
         {"1,60,60,3,60,60,1,60,128,1,60,60,1,94,60,3,128,94,1,128,60,1,162,94",
          "1,60,60,3,60,60,1,60,128,1,94,94,1,128,94,3,162,128,1,128,60,5,60,60"}},
        // Two by one: the large triangles cut their square along the other diagonal, and the
        // whole laid out the other way round.
        {"rectangle",
         "1,60,60,0,60,60,4,60,60,4,156,60,0,204,60,6,204,108,0,156,108,2,156,60",
         {"1,60,60,2,60,60,6,60,60,4,156,60,0,204,60,6,204,108,0,156,108,2,156,60",
          "1,60,60,0,156,60,4,156,60,4,60,60,0,108,60,6,108,108,0,60,108,2,60,60"}},
        // The large right triangle.
        {"triangle",
         "1,60,60,4,156,60,4,60,156,4,156,156,0,204,156,6,204,204,0,156,204,2,156,156",
         {"1,60,60,4,156,60,2,156,156,0,60,204,0,108,204,2,156,204,0,108,156,0,156,204",
          "1,60,60,4,60,156,6,156,156,0,204,108,0,204,156,6,204,204,6,156,108,2,204,60"}},
    };
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

void putNoCollection(const QString& path, const QString& kind) {
    QFile::remove(path);
    const QByteArray name = QFile::encodeName(path);
    bool made = false;
    if (kind == QStringLiteral("folder"))
        made = QDir().mkdir(path);
    else if (kind == QStringLiteral("pipe"))
        made = ::mkfifo(name.constData(), 0644) == 0;
    else if (kind == QStringLiteral("device"))
        made = QFile::link(QStringLiteral("/dev/zero"), path);
    else if (kind == QStringLiteral("huge")) {
        QFile file(path);
        made = file.open(QIODevice::WriteOnly) && file.resize(100 << 20);
    }
    if (!made)
        qFatal("cannot put a %s at %s", qPrintable(kind), name.constData());
}

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

int worstChannelDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            worst = std::max({worst, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                              std::abs(p.blue() - q.blue())});
        }
    return worst;
}

} // namespace Fixtures

std::optional<Settings> TestGame::start(const QByteArray& collection) {
    Fixtures::writeFile(path(QStringLiteral("PELORIN.pel")), collection);
    return StartUp(p, folder.path());
}
