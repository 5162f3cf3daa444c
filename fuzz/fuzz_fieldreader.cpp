// SPDX-License-Identifier: GPL-3.0-or-later
// Sequential field input on arbitrary bytes: numbers, texts and lines in any mix.
#include "fuzzsupport.h"

#include "puzzle/fieldreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t plan = data[0];
    FieldReader reader(bytesOf(data + 1, size - 1));
    for (int step = 0; !reader.atEnd() && step < 4096; ++step) {
        switch ((plan >> (step % 4 * 2)) & 3) {
        case 0:
            (void)reader.number();
            break;
        case 1:
            (void)reader.text();
            break;
        case 2:
            (void)reader.line();
            break;
        default:
            (void)reader.numericField();
        }
    }
    return 0;
}
