// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

// Installs the game's texts in the locale's language and, with them, Qt's own for its
// standard dialogs and buttons. Returns false, and leaves every text in English, when the
// game has no translation for that language.
bool LoadTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());
