// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString g_interfaceLanguage = QStringLiteral("en");

} // namespace

QString interfaceLanguage()
{
    return g_interfaceLanguage;
}

void installTranslations(const QString &programFolder)
{
    const QLocale locale;
    for (const auto &[name, folder] :
         {std::pair{QStringLiteral("quillobrite"), programFolder + QStringLiteral("/translations")},
          std::pair{QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            if (name == QLatin1String("quillobrite") && !translator->language().isEmpty())
                g_interfaceLanguage = translator->language().section(QLatin1Char('_'), 0, 0);
        } else {
            delete translator;
        }
    }
}
