// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* game = new QTranslator(&app);
    if (!game->load(locale, QStringLiteral("zederoru"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete game;
        return false;
    }
    QCoreApplication::installTranslator(game);
    // Qt's buttons and file dialogs speak the game's language only: a language the game
    // lacks keeps them English too, so a box never mixes two languages.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
