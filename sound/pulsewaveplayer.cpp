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

    if (m_stream && !m_stream->fits(samples))
        m_stream.reset();
    if (!m_stream && !connect(samples))
        return;

    std::vector<short> chunk;
    bool ok = true;
    bool first = true;
    for (;;) {
        const std::int64_t frames = file.readChunk(chunk);
        if (frames <= 0)
            break;
        const size_t bytes = size_t(frames) * size_t(file.channels()) * sizeof(short);
        int error = 0;
        if (pa_simple_write(m_stream->connection, chunk.data(), bytes, &error) < 0) {
            // A stream kept from an earlier sound dies with its server; a
            // server that has come back is asked again, once, so that this
            // sound is not lost to the old stream.
            m_stream.reset();
            if (first && connect(samples)
                && pa_simple_write(m_stream->connection, chunk.data(), bytes, &error) >= 0) {
                first = false;
                continue;
            }
            ok = false;
            break;
        }
        first = false;
    }
    int error = 0;
    if (!ok || !m_stream || pa_simple_drain(m_stream->connection, &error) < 0) {
        // The server went away: start afresh with the next sound.
        m_stream.reset();
    }
}

bool PulseWavePlayer::connect(const pa_sample_spec &samples)
{
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
        return false;
    m_stream = std::make_unique<Stream>();
    m_stream->connection = connection;
    m_stream->samples = samples;
    return true;
}
