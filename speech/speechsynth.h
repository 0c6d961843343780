// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech/voiceengine.h"

#include <QHash>
#include <QString>
#include <QStringList>

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
    explicit SpeechSynth(std::vector<std::unique_ptr<VoiceEngine>> engines);

    // The text said in a language (a code such as "en" or "fr"; English
    // when no engine has a voice for it), starting at once (the voice's
    // leading silence cut) and peaking at -3 dBFS; no samples when no voice
    // can say it.
    Sound say(const QString &text, const QString &language);
    // The languages the engines have voices for, in small letters, each
    // once ("en", "fr", "pt-br"); asking loads the engines.
    QStringList languages();

private:
    QString spokenLanguage(const QString &language);

    std::vector<std::unique_ptr<VoiceEngine>> m_engines;
    // Each language asked for, and the one it is said in: itself, or
    // English where no engine has a voice for it. The engines are asked
    // about a language at its first word, not before: asking loads them.
    QHash<QString, QString> m_spoken;
};
