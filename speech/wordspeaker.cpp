// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/wordspeaker.h"

#include "sound/sampleplayer.h"
#include "speech/speechsynth.h"

VoiceSpeaker::VoiceSpeaker(SpeechSynth &synth, SamplePlayer &player, const std::atomic<bool> *stop)
    : m_synth(synth)
    , m_player(player)
    , m_stop(stop)
{}

void VoiceSpeaker::say(const Speech &speech)
{
    const auto stopped = [this] { return m_stop && m_stop->load(); };
    for (qsizetype i = 0; i < speech.parts.size() && !stopped(); ++i) {
        SpeechSynth::Sound sound = m_synth.say(speech.parts.at(i), speech.language);
        if (sound.samples.empty() || stopped())
            continue;
        // A teacher's pause between the word and its sentence.
        if (i + 1 < speech.parts.size())
            sound.samples.resize(sound.samples.size() + size_t(sound.rate) * PauseMs / 1000, 0);
        m_player.playSamples(sound.samples, sound.rate, m_stop);
    }
}

QStringList VoiceSpeaker::languages()
{
    return m_synth.languages();
}
