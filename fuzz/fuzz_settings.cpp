// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on arbitrary bytes, and what the game writes back from it.
#include "fuzzsupport.h"

#include "app/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Settings s = parseSettings(bytesOf(data, size));
    const QByteArray written = formatSettings(s.collection, s.positions);
    const Settings back = parseSettings(written);
    // The file name (the part after the last separator) and the positions survive the round
    // trip, except names holding a double quote or a line end, which no text field carries.
    const bool representable = !s.collection.contains(QLatin1Char('"')) &&
                               !s.collection.contains(QLatin1Char('\n')) &&
                               !s.collection.contains(QLatin1Char('\r'));
    const QString name = s.collection.mid(s.collection.lastIndexOf(QLatin1Char('/')) + 1);
    if (representable && (back.collection != name || back.positions != s.positions))
        __builtin_trap();
    return 0;
}
