// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/backgroundspeaker.h"

#include "sound/sampleplayer.h"
#include "speech/speechsynth.h"

#include <chrono>
#include <utility>

namespace {

// How long stop() waits for the voice to fall silent. Stopping takes a
// wake-up and the end of a stream, a millisecond or two; a voice that is
// still making its words has nothing to be heard yet.
constexpr std::chrono::milliseconds StopWait{300};
// Loading the engines to list their voices takes a fraction of a second.
constexpr std::chrono::milliseconds LanguagesWait{5000};

} // namespace

BackgroundSpeaker::BackgroundSpeaker(std::function<std::unique_ptr<SpeechSynth>()> makeSynth,
                                     SamplePlayer &player)
    : m_makeSynth(std::move(makeSynth))
    , m_player(player)
    , m_thread([this] { run(); })
{}

BackgroundSpeaker::~BackgroundSpeaker()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_quit = true;
        m_next.reset();
        m_stop = true;
    }
    m_player.wake();
    m_changed.notify_all();
    m_thread.join();
}

void BackgroundSpeaker::say(const Speech &speech)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_next = speech;
        m_stop = true;
    }
    m_player.wake();
    m_changed.notify_all();
}

void BackgroundSpeaker::stop()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_next.reset();
    if (!m_speaking)
        return;
    m_stop = true;
    m_player.wake();
    m_changed.wait_for(lock, StopWait, [this] { return !m_speaking; });
}

QStringList BackgroundSpeaker::languages()
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (!m_languages) {
        m_languagesWanted = true;
        m_changed.notify_all();
        m_changed.wait_for(lock, LanguagesWait, [this] { return m_languages.has_value(); });
    }
    return m_languages.value_or(QStringList());
}

void BackgroundSpeaker::run()
{
    std::unique_ptr<SpeechSynth> synth;
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        m_changed.wait(lock, [this] { return m_quit || m_next || m_languagesWanted; });
        if (m_quit)
            break;
        if (std::exchange(m_languagesWanted, false)) {
            lock.unlock();
            if (!synth)
                synth = m_makeSynth();
            const QStringList found = synth->languages();
            lock.lock();
            m_languages = found;
            m_changed.notify_all();
            continue;
        }
        const Speech speech = *std::exchange(m_next, std::nullopt);
        m_stop = false;
        m_speaking = true;
        lock.unlock();
        if (!synth)
            synth = m_makeSynth();
        VoiceSpeaker(*synth, m_player, &m_stop).say(speech);
        lock.lock();
        m_speaking = false;
        m_changed.notify_all();
    }
    // The engines end on the thread that used them.
    lock.unlock();
    synth.reset();
}
