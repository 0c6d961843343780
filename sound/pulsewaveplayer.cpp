// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/pulsewaveplayer.h"

#include "sound/wavereader.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <vector>

namespace {

// How much sound is queued at the server ahead of what is heard: small, so
// the first sample is heard soon after the key.
constexpr pa_usec_t TargetLatencyUsec = 20'000;
static_assert(WaveReader::MaxChannels <= int(PA_CHANNELS_MAX));
static_assert(WaveReader::MaxRate <= int(PA_RATE_MAX));

} // namespace

struct PulseWavePlayer::Stream {
    pa_simple *connection = nullptr;
    pa_sample_spec samples{};

    ~Stream()
    {
        if (connection)
            pa_simple_free(connection);
    }

    bool fits(const pa_sample_spec &other) const
    {
        return connection && samples.format == other.format && samples.rate == other.rate
            && samples.channels == other.channels;
    }
};

PulseWavePlayer::PulseWavePlayer() = default;
PulseWavePlayer::~PulseWavePlayer() = default;

void PulseWavePlayer::PlayWave(const QString &path)
{
    WaveReader file;
    if (!file.open(path))
        return;

    pa_sample_spec samples{};
    samples.format = PA_SAMPLE_S16NE;
    samples.rate = uint32_t(file.sampleRate());
    samples.channels = uint8_t(file.channels());
    if (!pa_sample_spec_valid(&samples))
        return;

    if (!m_stream || !m_stream->fits(samples)) {
        m_stream.reset();
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(pa_usec_to_bytes(TargetLatencyUsec, &samples));
        attr.prebuf = uint32_t(-1);
        attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        int error = 0;
        pa_simple *connection = pa_simple_new(nullptr, "Quillobrite", PA_STREAM_PLAYBACK, nullptr,
                                              "key sound", &samples, nullptr, &attr, &error);
        if (!connection)
            return;
        m_stream = std::make_unique<Stream>();
        m_stream->connection = connection;
        m_stream->samples = samples;
    }

    std::vector<short> chunk;
    bool ok = true;
    for (;;) {
        const std::int64_t frames = file.readChunk(chunk);
        if (frames <= 0)
            break;
        int error = 0;
        if (pa_simple_write(m_stream->connection, chunk.data(),
                            size_t(frames) * size_t(file.channels()) * sizeof(short), &error) < 0) {
            ok = false;
            break;
        }
    }
    int error = 0;
    if (!ok || pa_simple_drain(m_stream->connection, &error) < 0) {
        // The server went away: start afresh with the next sound.
        m_stream.reset();
    }
}
