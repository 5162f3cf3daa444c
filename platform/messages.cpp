// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString NewLines(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\n\r"));
}
