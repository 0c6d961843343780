// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/sampleplayer.h"
#include "sound/waveplayer.h"

#include <QDeadlineTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// The wave player of the real program: libsndfile reads the file, the
// PulseAudio client library (served by PipeWire too) plays it and drains.
// Blocks for the length of the sound. Silent and quick when the file cannot
// be read or no sound server answers: connecting is given up within half a
// second, and after a failure sounds are silent for a few seconds before the
// server is asked again.
class PulseWavePlayer final : public WavePlayer, public SamplePlayer
{
public:
    PulseWavePlayer();
    ~PulseWavePlayer() override;

    void PlayWave(const QString &path) override;
    // Samples made in memory play the same way, on the same connection.
    void playSamples(const std::vector<short> &samples, int rate,
                     const std::atomic<bool> *stop = nullptr) override;
    void wake() override;

private:
    class Connection;
    // Hands out the next piece of a sound into `chunk`: its frames, 0 at
    // the end.
    using Chunks = std::function<std::int64_t(std::vector<short> &chunk)>;
    void play(const Chunks &chunks, int rate, int channels, const QString &what,
              const std::atomic<bool> *stop = nullptr);
    void setConnection(std::unique_ptr<Connection> connection);
    void giveUp(const QString &why);

    // The connection stays open between sounds, so a key sound starts
    // without the cost of a new connection.
    std::unique_ptr<Connection> m_connection;
    // Until when the server is left alone after it failed.
    QDeadlineTimer m_retry;
    // The main loop of the connection, for wake() from another thread.
    std::mutex m_loopLock;
    void *m_loop = nullptr;
};
