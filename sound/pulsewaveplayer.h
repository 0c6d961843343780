// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/waveplayer.h"

#include <memory>

// The wave player of the real program: libsndfile reads the file, the
// PulseAudio simple API (served by PipeWire too) plays it and drains.
// Blocks for the length of the sound. Silent and quick when the file cannot
// be read or no sound server answers.
class PulseWavePlayer final : public WavePlayer
{
public:
    PulseWavePlayer();
    ~PulseWavePlayer() override;

    void PlayWave(const QString &path) override;

private:
    struct Stream;
    // The connection stays open between sounds of the same format, so a key
    // sound starts without the cost of a new connection.
    std::unique_ptr<Stream> m_stream;
};
