// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(const QString &programFolder)
{
    const QLocale locale;
    for (const auto &[name, folder] :
         {std::pair{QStringLiteral("quillobrite"), programFolder + QStringLiteral("/translations")},
          std::pair{QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
