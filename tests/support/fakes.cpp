// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

MessageBoxes::Answer FakeMessageBoxes::MsgBox(const Message& message) {
    shown.append(message);
    if (!script.isEmpty())
        return script.takeFirst();
    return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QStringList FakeMessageBoxes::texts() const {
    QStringList result;
    for (const Message& m : shown)
        result.append(m.text);
    return result;
}
