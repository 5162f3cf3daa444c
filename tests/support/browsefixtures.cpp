#include "browsefixtures.h"

namespace BrowseFixtures {

using namespace Fixtures;

QByteArray squaresCollection(int count, const QList<int>& stacked) {
    QList<QByteArray> records;
    for (int n = 1; n <= count; ++n) {
        Placement pieces = spread(10, 10);
        if (stacked.contains(n))
            for (auto& piece : pieces)
                piece = {0, 10, 10};
        records.append(record(n, 10, 10, pieces));
    }
    return collection(syntheticHeader(), records);
}

QByteArray defaultCollection(int count) {
    const QList<QByteArray> lines =
        readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel")).split('\n');
    QList<QByteArray> figures;
    for (qsizetype i = 65; i < lines.size(); ++i)
        if (!lines[i].trimmed().isEmpty())
            figures.append(lines[i].trimmed());
    QList<QByteArray> records;
    for (int n = 0; n < count; ++n)
        records.append(figures[n % figures.size()]);
    return collection(defaultHeader(), records);
}

} // namespace BrowseFixtures
