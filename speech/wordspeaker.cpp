// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/wordspeaker.h"

#include "sound/sampleplayer.h"
#include "speech/speechsynth.h"

VoiceSpeaker::VoiceSpeaker(SpeechSynth &synth, SamplePlayer &player)
    : m_synth(synth)
    , m_player(player)
{}

void VoiceSpeaker::say(const QString &word)
{
    const SpeechSynth::Sound sound = m_synth.say(word);
    if (!sound.samples.empty())
        m_player.playSamples(sound.samples, sound.rate);
}
