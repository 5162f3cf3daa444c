// SPDX-License-Identifier: GPL-3.0-or-later
// The collection checker of "zederoru --check" on arbitrary bytes: every finding must come
// with a line of the input, and the report must agree with the verdict.
#include "fuzzsupport.h"

#include "collection/collectioncheck.h"
#include "puzzle/figurefile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    const CollectionCheck::Result result = CollectionCheck::checkCollection(bytes);
    const auto lines = FigureFile::splitLines(bytes).size();
    for (const CollectionCheck::Finding& finding : result.findings)
        if (finding.line < 0 || finding.line > lines || finding.text.isEmpty())
            std::abort();
    const QStringList report = CollectionCheck::reportLines(QStringLiteral("f.pel"), result);
    if (report.size() != result.findings.size() || result.figures < 0)
        std::abort();
    (void)CollectionCheck::summaryLine(QStringLiteral("f.pel"), result);
    return 0;
}
