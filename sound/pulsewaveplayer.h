// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/waveplayer.h"

#include <QDeadlineTimer>

#include <memory>

// The wave player of the real program: libsndfile reads the file, the
// PulseAudio client library (served by PipeWire too) plays it and drains.
// Blocks for the length of the sound. Silent and quick when the file cannot
// be read or no sound server answers: connecting is given up within half a
// second, and after a failure sounds are silent for a few seconds before the
// server is asked again.
class PulseWavePlayer final : public WavePlayer
{
public:
    PulseWavePlayer();
    ~PulseWavePlayer() override;

    void PlayWave(const QString &path) override;

private:
    class Connection;
    void giveUp(const QString &why);

    // The connection stays open between sounds, so a key sound starts
    // without the cost of a new connection.
    std::unique_ptr<Connection> m_connection;
    // Until when the server is left alone after it failed.
    QDeadlineTimer m_retry;
};
