// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The decoding half of the wave player: opens a wave file and hands out its
// sound as 16-bit samples, channels interleaved. Everything a file on disk
// can do to the player happens here, so this is the part that is fuzzed.
class WaveReader
{
public:
    // What the sound server takes; a file beyond these is not played.
    static constexpr int MaxChannels = 32;
    static constexpr int MaxRate = 384'000;
    // No real recording is made at fewer samples a second than this. A
    // header that claims fewer lies, and believing it would stretch a few
    // bytes of data into minutes of noise while the game waits.
    static constexpr int MinRate = 4'000;

    WaveReader();
    ~WaveReader();
    WaveReader(const WaveReader &) = delete;
    WaveReader &operator=(const WaveReader &) = delete;

    // True when the path names a regular file holding a WAV (or
    // WAVE_FORMAT_EXTENSIBLE) sound with at least one frame and a channel
    // count and rate the server takes. Anything else is refused at once,
    // without blocking: a FIFO under a sound's name does not stall the game.
    bool open(const QString &path);

    int channels() const { return m_channels; }
    int sampleRate() const { return m_rate; }

    // Frames handed to the server at a time: small, so a sound starts soon.
    static constexpr std::int64_t ChunkFrames = 1024;
    // Reads the next piece of the sound, at most ChunkFrames frames, into
    // `chunk`, which is sized here. Returns the frames read; 0 at the end of
    // the sound, on a read error, or when not open.
    std::int64_t readChunk(std::vector<short> &chunk);

private:
    struct File;
    std::unique_ptr<File> m_file;
    int m_channels = 0;
    int m_rate = 0;
};
