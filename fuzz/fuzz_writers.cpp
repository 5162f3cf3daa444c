// SPDX-License-Identifier: GPL-3.0-or-later
// The collection writers on arbitrary collections: on whatever the loader accepts, Append
// and Remove must keep their promises (tests/support/writerproperties.h). Input the loader
// refuses is tried again behind the default piece set, with line ends and blank lines
// chosen by its first byte, so that most inputs reach the writers.
#include "fuzzsupport.h"

#include "support/writerproperties.h"

#include <QList>
#include <cstdio>
#include <cstdlib>

namespace {

void check(const QString& broken) {
    if (broken.isEmpty())
        return;
    std::fprintf(stderr, "%s\n", qPrintable(broken));
    std::abort();
}

} // namespace

// Append, and Remove of the figure that the last byte picks.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = bytesOf(data, size);
    std::optional<int> figures = loadedFigures(bytes);
    if (!bytes.isEmpty() && !figures) {
        static const QList<QByteArray> ends{"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
        const auto choice = static_cast<unsigned char>(bytes.at(0));
        bytes = reformattedCollection(ends.at(choice % ends.size()),
                                      static_cast<int>(choice / ends.size() % 8), bytes.mid(1));
        figures = loadedFigures(bytes);
    }
    if (!figures)
        return 0;
    check(brokenAppendPromise(bytes));
    if (*figures > 0)
        check(brokenRemovePromise(bytes, static_cast<unsigned char>(bytes.back()) % *figures + 1));
    return 0;
}
