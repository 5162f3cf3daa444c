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

} // namespace BrowseFixtures
