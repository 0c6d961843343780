// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Every text a person reads goes through tr(), with the texts as written as
// the source strings. Where a catalogue for the desktop's language is
// installed (PROGRAM_FOLDER/translations/quillobrite_LANG.qm, and Qt's own for
// its dialogs), it is loaded; otherwise the texts show as written. Call once
// the application object exists.
void installTranslations(const QString &programFolder);
