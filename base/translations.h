// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

// Every text a person reads goes through tr(), with the texts as written as
// the source strings. Where a catalogue for the desktop's language is
// installed (PROGRAM_FOLDER/translations/quillobrite_LANG.qm, and Qt's own for
// its dialogs), it is loaded; otherwise the English one, which gives the
// texts as written with their counts in the right form ("1 word",
// "2 words"). Call once the application object exists.
void installTranslations(const QString &programFolder, const QLocale &locale = QLocale());

// The language the game's texts are shown in: that of the catalogue
// installed ("fr"), or "en" when the texts show as written. The voice says
// the game's own sentences (its hints) in it.
QString interfaceLanguage();
