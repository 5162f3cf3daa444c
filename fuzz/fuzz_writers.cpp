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
    std::optional<LoaderReading> before = readAsLoader(bytes);
    if (!bytes.isEmpty() && !before) {
        static const QList<QByteArray> ends{"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
        const auto choice = static_cast<unsigned char>(bytes.at(0));
        bytes = reformattedCollection(ends.at(choice % ends.size()),
                                      static_cast<int>(choice / ends.size() % 8), bytes.mid(1));
        before = readAsLoader(bytes);
    }
    if (!before)
        return 0;
    check(brokenByAppend(bytes, *before));
    if (const auto figures = static_cast<int>(before->figures.size()); figures > 0)
        check(
            brokenByRemove(bytes, *before, static_cast<unsigned char>(bytes.back()) % figures + 1));
    return 0;
}
