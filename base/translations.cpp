// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QString g_interfaceLanguage = QStringLiteral("en");

// The catalogue NAME_LANG.qm in folder for locale's language, installed; false
// when there is none.
bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    if (name == QLatin1String("quillobrite") && !translator->language().isEmpty())
        g_interfaceLanguage = translator->language().section(QLatin1Char('_'), 0, 0);
    return true;
}

} // namespace

QString interfaceLanguage()
{
    return g_interfaceLanguage;
}

void installTranslations(const QString &programFolder, const QLocale &locale)
{
    const QString folder = programFolder + QStringLiteral("/translations");
    // A desktop in a language the game is not written in reads it in
    // English, counts and all.
    if (!install(locale, QStringLiteral("quillobrite"), folder))
        install(QLocale(QLocale::English), QStringLiteral("quillobrite"), folder);
    // Qt's own texts: the buttons of its message boxes and its file dialog.
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
