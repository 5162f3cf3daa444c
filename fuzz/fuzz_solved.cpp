// SPDX-License-Identifier: GPL-3.0-or-later
// The solved figures' file on arbitrary bytes: whatever marks it yields are written back
// and read again unchanged.
#include "fuzzsupport.h"

#include "puzzle/solvedfigures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SolvedFigures::Marks marks = SolvedFigures::parse(bytesOf(data, size));
    const QByteArray written = SolvedFigures::format(marks);
    const SolvedFigures::Marks back = SolvedFigures::parse(written);
    if (back != marks || SolvedFigures::format(back) != written)
        __builtin_trap();
    return 0;
}
