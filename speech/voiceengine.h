// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

// What a voice engine makes: mono 16-bit samples at the engine's rate.
struct SpokenSound {
    int rate = 0;
    std::vector<short> samples;
};

// One speech engine that runs on this computer, offline. Each lives in a
// library of its own (voices/), loaded only when a word first needs a voice,
// so that the game starts without them.
class VoiceEngine
{
public:
    virtual ~VoiceEngine() = default;
    // The languages it has voices for, as lower-case codes: "en", "fr",
    // "pt-br". None when it could not start.
    virtual QStringList languages() = 0;
    // Whether it says every letter of the text; a letter it does not know
    // would be dropped, not said.
    virtual bool reads(const QString &text) = 0;
    // The text, a word or a sentence, said in the language (one it has a
    // voice for, or a variety of one: "en" for "en-gb"); no samples when it
    // cannot. Silence around the words is left in.
    virtual SpokenSound say(const QString &text, const QString &language) = 0;
};

#define QB_VOICE_ENGINE_IID "org.quillobrite.VoiceEngine/1"
Q_DECLARE_INTERFACE(VoiceEngine, QB_VOICE_ENGINE_IID)
