// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech/wordspeaker.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// The game's voice, speaking while the game goes on: the words are made and
// played on a thread of the voice's own, with a sound-server connection of
// its own, so that a key is taken the moment it is pressed. A key (or any
// other sound of the game) stops the voice first: stop() ends what is said
// at once and returns once nothing of it is heard.
class BackgroundSpeaker final : public WordSpeaker
{
public:
    // The synthesiser is made on the voice's thread, the first time
    // something is said, and used only there; the player plays there too,
    // and is woken from the game's thread to stop.
    BackgroundSpeaker(std::function<std::unique_ptr<SpeechSynth>()> makeSynth,
                      SamplePlayer &player);
    ~BackgroundSpeaker() override;
    BackgroundSpeaker(const BackgroundSpeaker &) = delete;
    BackgroundSpeaker &operator=(const BackgroundSpeaker &) = delete;

    void say(const Speech &speech) override;
    void stop() override;
    // Asked of the voice's thread, where the engines live; waited for.
    QStringList languages() override;

private:
    void run();

    std::function<std::unique_ptr<SpeechSynth>()> m_makeSynth;
    SamplePlayer &m_player;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::optional<Speech> m_next;
    bool m_speaking = false;
    bool m_quit = false;
    bool m_languagesWanted = false;
    std::optional<QStringList> m_languages;
    // What is being said ends as soon as this holds.
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
