// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>
#include <vector>

// A word said by a voice that runs on this computer, offline. English words
// are said by flite's "rms" voice, the one a listener (and a speech
// recogniser) takes best of those Debian has; a desktop in another language
// that espeak-ng has a voice for hears the words in that language, and so
// does an English word with letters beyond A to Z, which flite would drop.
class SpeechSynth
{
public:
    // language: a code such as "en" or "fr"; see desktopLanguage()
    // (base/desktoplocale.h).
    explicit SpeechSynth(const QString &language);
    ~SpeechSynth();
    SpeechSynth(const SpeechSynth &) = delete;
    SpeechSynth &operator=(const SpeechSynth &) = delete;

    struct Sound {
        int rate = 0;
        std::vector<short> samples; // mono
    };
    // The word said, starting at once (the voice's leading silence cut) and
    // peaking at -3 dBFS; no samples when no voice can say it.
    Sound say(const QString &word);

private:
    struct Engines;
    std::unique_ptr<Engines> m_engines;
};
