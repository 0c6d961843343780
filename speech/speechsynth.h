// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech/voiceengine.h"

#include <QString>

#include <memory>
#include <vector>

// Text said by the voice engines that run on this computer, offline, each
// word by the engine chooseEngine() picks for it: with the engines the game
// lists, English words are said by flite's "rms" voice, the one a listener
// (and a speech recogniser) takes best of those Debian has; a desktop in
// another language that espeak-ng has a voice for hears the words in that
// language, and so does an English word with letters beyond A to Z, which
// flite would drop.
class SpeechSynth
{
public:
    using Sound = SpokenSound;

    // engines: in the order they are preferred (see engineLibraries()).
    // language: a code such as "en" or "fr" (see base/desktoplocale.h); when no
    // engine has a voice for it, the words are said in English.
    SpeechSynth(std::vector<std::unique_ptr<VoiceEngine>> engines, QString language);

    // The text said, starting at once (the voice's leading silence cut) and
    // peaking at -3 dBFS; no samples when no voice can say it.
    Sound say(const QString &text);

private:
    const QString &spokenLanguage();

    std::vector<std::unique_ptr<VoiceEngine>> m_engines;
    QString m_language;
    // The engines are asked about the language at the first word, not
    // before: asking loads them.
    bool m_languageChecked = false;
};
