// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

class SamplePlayer;
class SpeechSynth;

// What the voice says at once: its parts in turn, with a short pause after
// each (a word; or a word, a sentence and the word again, as a teacher
// says it), in a language ("en", "fr").
struct Speech {
    QStringList parts;
    QString language;
};

// The game's voice, as the windows use it. A part the voice cannot say, or
// no sound server, is silence, as a missing wave is.
class WordSpeaker
{
public:
    virtual ~WordSpeaker() = default;
    // Says it, in place of whatever was being said.
    virtual void say(const Speech &speech) = 0;
    // Ends what is being said, at once: once this returns nothing of it is
    // heard any more, and another sound may play.
    virtual void stop() = 0;
    // The languages there are voices for, in small letters ("en", "fr",
    // "pt-br"). Asking loads the voice engines.
    virtual QStringList languages() = 0;
};

// The voice made by the voice engines here and played by the sample player
// (the wave player, with its deadlines), synchronously: say() returns once
// everything has been said, or as soon as `stop` holds.
class VoiceSpeaker final : public WordSpeaker
{
public:
    // How long the voice waits after each part of a speech.
    static constexpr int PauseMs = 450;

    VoiceSpeaker(SpeechSynth &synth, SamplePlayer &player, const std::atomic<bool> *stop = nullptr);
    void say(const Speech &speech) override;
    // Nothing to end once say() has returned; another thread ends a speech
    // through `stop`.
    void stop() override {}
    QStringList languages() override;

private:
    SpeechSynth &m_synth;
    SamplePlayer &m_player;
    const std::atomic<bool> *m_stop;
};
