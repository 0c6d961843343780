// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class SamplePlayer;
class SpeechSynth;

// Says one word aloud, synchronously: returns when it has been said. A word
// the voice cannot say, or no sound server, is silence, as a missing wave is.
class WordSpeaker
{
public:
    virtual ~WordSpeaker() = default;
    virtual void say(const QString &word) = 0;
};

// The game's own voice: the word made by the voice engines here and played
// by the sample player (the wave player, with its deadlines, on its
// connection).
class VoiceSpeaker final : public WordSpeaker
{
public:
    VoiceSpeaker(SpeechSynth &synth, SamplePlayer &player);
    void say(const QString &word) override;

private:
    SpeechSynth &m_synth;
    SamplePlayer &m_player;
};
