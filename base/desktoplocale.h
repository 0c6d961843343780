// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The desktop's language and region as the environment names them: the
// first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as "fr_CA" of
// "fr_CA.UTF-8" (the language in small letters); "en" for C and POSIX, and
// when none is set. LANGUAGE may list several, the first preferred.
QString desktopLocale();

// The language alone: "fr" of "fr_CA".
QString desktopLanguage();

// The language of a locale or dictionary name: "fr" of "fr_CA", "nb" of
// "nb_NO".
QString languageOfLocale(const QString &locale);
