// SPDX-License-Identifier: MIT
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pixelwick {

void installTranslations()
{
    const QLocale locale;
    // Owned by the application, which keeps them for its whole life.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // English first, for its plural forms, which the source texts lack; the
    // user's language, installed later, takes precedence.
    for (const QLocale &language : {QLocale(QLocale::English), locale}) {
        auto *ours = new QTranslator(QCoreApplication::instance());
        if (ours->load(language, QStringLiteral("pixelwick"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(ours);
        else
            delete ours;
    }
}

} // namespace pixelwick
