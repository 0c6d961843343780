// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/desktoplocale.h"

#include <QRegularExpression>

QString desktopLocale()
{
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        // "fr_CA:fr:en": the first is the one preferred.
        const QString value = qEnvironmentVariable(variable).section(QLatin1Char(':'), 0, 0);
        if (value.isEmpty())
            continue;
        if (value == QLatin1String("C") || value.startsWith(QLatin1String("C."))
            || value == QLatin1String("POSIX"))
            return QStringLiteral("en");
        // The code set and the modifier say nothing of the language.
        const QString locale = value.section(QRegularExpression(QStringLiteral("[.@]")), 0, 0);
        const QString language = languageOfLocale(locale).toLower();
        return language + locale.mid(language.size());
    }
    return QStringLiteral("en");
}

QString desktopLanguage()
{
    return languageOfLocale(desktopLocale());
}

QString languageOfLocale(const QString &locale)
{
    return locale.section(QLatin1Char('_'), 0, 0);
}
