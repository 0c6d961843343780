// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/pulsewaveplayer.h"

#include "base/log.h"
#include "sound/wavereader.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <algorithm>
#include <vector>

namespace {

// The server asks for more sound in pieces this small and passes each on to
// the sink as soon as it is played, so the sink holds little ahead of what
// is heard and a new sound comes out soon after its key.
constexpr pa_usec_t RequestUsec = 10'000;
// What the server holds of a stream: three seconds, longer than any sound
// of the game's own. The server starts playing when that is full, or when
// the sound ends before, and the player hands a whole store's worth over at
// once, read ahead from the file: so the server has the whole sound before
// it begins, and a game that is late to hand over more (a busy machine, a
// slow build) is not heard as breaks. Filling it takes about a millisecond.
constexpr pa_usec_t QueueUsec = 3'000'000;
// A server that has not taken the connection by then is not waited for: the
// window stands still meanwhile.
constexpr qint64 ConnectMs = 500;
// After a server failed, sounds are silent for this long before it is asked
// again, so that a server that never answers costs a key no more than once.
constexpr qint64 RetryAfterMs = 3'000;
// How much longer than the sound itself a stream may take to play it out. A
// new stream can wait for the server's next turn before it starts: up to
// 2 s on a null sink.
constexpr qint64 PlayOutGraceMs = 3'000;
static_assert(WaveReader::MaxChannels <= int(PA_CHANNELS_MAX));
static_assert(WaveReader::MaxRate <= int(PA_RATE_MAX));

} // namespace

// A connection to the sound server, kept between sounds, with a playback
// stream of its own for each sound. A stream kept on after it drained lost
// the start of the next sound on PipeWire's server when its cycles are long.
// The main loop turns only inside PlayWave, and every wait on it has a
// deadline, so a server that stops answering holds the game up for a
// moment, never for good.
class PulseWavePlayer::Connection
{
public:
    Connection()
        : m_loop(pa_mainloop_new())
    {}
    ~Connection()
    {
        endStream();
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        if (m_loop)
            pa_mainloop_free(m_loop);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool connect(QDeadlineTimer deadline)
    {
        if (!m_loop)
            return false;
        m_context = pa_context_new(pa_mainloop_get_api(m_loop), "Quillobrite");
        if (!m_context || pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
            return false;
        return runUntil([this] { return pa_context_get_state(m_context) == PA_CONTEXT_READY; },
                        deadline);
    }

    // Takes in what the server sent since the last sound, its hanging up
    // among it: a connection kept from before may have died with its server.
    bool alive()
    {
        for (int i = 0; i < 100 && pa_mainloop_iterate(m_loop, 0, nullptr) > 0; ++i) {
        }
        return !failed();
    }

    // Plays the sound on a new stream of its format and returns once it has
    // been played out, or false when the server would not take it or
    // `stop` came to hold (stopped() then says so).
    bool play(const Chunks &chunks, const pa_sample_spec &samples, const std::atomic<bool> *stop)
    {
        m_samples = samples;
        m_pieces = 0;
        m_stop = stop;
        const bool played = openStream(QDeadlineTimer(ConnectMs, Qt::PreciseTimer))
                            && playOut(chunks);
        // Ending the stream takes what the server still holds of it off the
        // sink at once.
        endStream();
        m_stop = nullptr;
        return played;
    }

    bool stopped() const { return m_stopped; }
    pa_mainloop *loop() const { return m_loop; }

    // The sound was handed over in one go, into a store the server keeps
    // that large: it was whole at the server before a sample of it was
    // played, and so no break in what the sink plays out can be the game's.
    bool handedOverWhole() const { return m_pieces == 1 && m_wholeFits; }

private:
    bool openStream(QDeadlineTimer deadline)
    {
        m_stream = pa_stream_new(m_context, "key sound", &m_samples, nullptr);
        if (!m_stream)
            return false;
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(pa_usec_to_bytes(QueueUsec, &m_samples));
        attr.minreq = uint32_t(pa_usec_to_bytes(RequestUsec, &m_samples));
        attr.prebuf = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        if (pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_EARLY_REQUESTS, nullptr,
                                       nullptr)
            < 0)
            return false;
        return runUntil([this] { return pa_stream_get_state(m_stream) == PA_STREAM_READY; },
                        deadline);
    }

    void endStream()
    {
        if (!m_stream)
            return;
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }

    // Hands the sound to the server, a store's worth at a time, and returns
    // once it has been played out. The server plays in real time, so each
    // wait may last as long as the sound handed over so far, and a little
    // more.
    bool playOut(const Chunks &chunks)
    {
        QDeadlineTimer deadline(PlayOutGraceMs, Qt::PreciseTimer);
        const size_t storeBytes = pa_usec_to_bytes(QueueUsec, &m_samples);
        std::vector<short> chunk;
        std::vector<short> piece;
        for (bool more = true; more;) {
            const std::int64_t frames = chunks(chunk);
            more = frames > 0;
            if (more)
                piece.insert(piece.end(), chunk.begin(),
                             chunk.begin() + frames * m_samples.channels);
            const size_t bytes = piece.size() * sizeof(short);
            if (bytes == 0 || (more && bytes < storeBytes))
                continue;
            const auto pieceFrames = std::int64_t(bytes / pa_frame_size(&m_samples));
            deadline = QDeadlineTimer::addNSecs(deadline,
                                                pieceFrames * 1'000'000'000 / m_samples.rate);
            if (!write(piece.data(), bytes, deadline))
                return false;
            ++m_pieces;
            const pa_buffer_attr *attr = pa_stream_get_buffer_attr(m_stream);
            m_wholeFits = attr && attr->tlength >= bytes;
            piece.clear();
        }
        return drain(deadline);
    }

    bool failed() const
    {
        return !m_context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))
               || (m_stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream)));
    }

    // Turns the main loop until `done` holds; false when the deadline
    // passes first or the connection fails.
    template<typename Done>
    bool runUntil(Done done, QDeadlineTimer deadline)
    {
        m_stopped = false;
        for (;;) {
            if (m_stop && m_stop->load()) {
                m_stopped = true;
                return false;
            }
            if (failed())
                return false;
            if (done())
                return true;
            const qint64 leftUsec = deadline.remainingTimeNSecs() / 1000;
            if (leftUsec <= 0)
                return false;
            if (pa_mainloop_prepare(m_loop, int(std::min<qint64>(leftUsec, 100'000))) < 0
                || pa_mainloop_poll(m_loop) < 0 || pa_mainloop_dispatch(m_loop) < 0)
                return false;
        }
    }

    bool write(const short *samples, size_t bytes, QDeadlineTimer deadline)
    {
        const auto *data = reinterpret_cast<const char *>(samples);
        while (bytes > 0) {
            size_t room = 0;
            if (!runUntil(
                    [&] {
                        room = pa_stream_writable_size(m_stream);
                        return room > 0 && room != size_t(-1);
                    },
                    deadline))
                return false;
            const size_t now = std::min(room, bytes);
            if (pa_stream_write(m_stream, data, now, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return false;
            data += now;
            bytes -= now;
        }
        return true;
    }

    bool drain(QDeadlineTimer deadline)
    {
        int result = 0; // 1 drained, -1 refused
        pa_operation *operation = pa_stream_drain(
            m_stream,
            [](pa_stream *, int success, void *out) {
                *static_cast<int *>(out) = success ? 1 : -1;
            },
            &result);
        if (!operation)
            return false;
        runUntil([&result] { return result != 0; }, deadline);
        // Given up on, the operation must not report to `result` later.
        if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
            pa_operation_cancel(operation);
        pa_operation_unref(operation);
        return result > 0;
    }

    pa_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    pa_sample_spec m_samples{};
    int m_pieces = 0;
    bool m_wholeFits = false;
    const std::atomic<bool> *m_stop = nullptr;
    bool m_stopped = false;
};

PulseWavePlayer::PulseWavePlayer() = default;
PulseWavePlayer::~PulseWavePlayer() = default;

void PulseWavePlayer::PlayWave(const QString &path)
{
    WaveReader file;
    if (file.open(path))
        play([&file](std::vector<short> &chunk) { return file.readChunk(chunk); },
             file.sampleRate(), file.channels(), path);
}

void PulseWavePlayer::playSamples(const std::vector<short> &samples, int rate,
                                  const std::atomic<bool> *stop)
{
    bool given = false;
    play(
        [&](std::vector<short> &chunk) {
            chunk = given ? std::vector<short>() : samples;
            given = true;
            return std::int64_t(chunk.size());
        },
        rate, 1, QStringLiteral("a spoken word"), stop);
}

void PulseWavePlayer::wake()
{
    // The main loop's own wake-up is safe from any thread.
    const std::lock_guard<std::mutex> lock(m_loopLock);
    if (m_loop)
        pa_mainloop_wakeup(static_cast<pa_mainloop *>(m_loop));
}

void PulseWavePlayer::play(const Chunks &chunks, int rate, int channels, const QString &what,
                           const std::atomic<bool> *stop)
{
    pa_sample_spec samples{};
    samples.format = PA_SAMPLE_S16NE;
    samples.rate = uint32_t(rate);
    samples.channels = uint8_t(channels);
    if (!pa_sample_spec_valid(&samples))
        return;

    // A connection that died with its server gives way to a new one.
    if (m_connection && !m_connection->alive())
        setConnection(nullptr);
    if (!m_connection) {
        if (!m_retry.hasExpired())
            return;
        setConnection(std::make_unique<Connection>());
        if (!m_connection->connect(QDeadlineTimer(ConnectMs, Qt::PreciseTimer))) {
            giveUp(QStringLiteral("no connection to it within %1 ms").arg(ConnectMs));
            return;
        }
    }
    const bool played = m_connection->play(chunks, samples, stop);
    if (!played && m_connection->stopped()) {
        qCDebug(lcSound).noquote() << "stopped" << what;
        return;
    }
    if (!played) {
        giveUp(QStringLiteral("it stopped taking or playing out sound"));
        return;
    }
    // For whoever hears breaks in the sound: whether they can be the game's.
    qCDebug(lcSound).noquote() << "played" << what
                               << (m_connection->handedOverWhole()
                                       ? "whole at the server before it began"
                                       : "handed over in pieces as it played");
}

void PulseWavePlayer::setConnection(std::unique_ptr<Connection> connection)
{
    // wake() may look at the loop from another thread meanwhile.
    const std::lock_guard<std::mutex> lock(m_loopLock);
    m_connection = std::move(connection);
    m_loop = m_connection ? m_connection->loop() : nullptr;
}

void PulseWavePlayer::giveUp(const QString &why)
{
    noteOnce(lcSound(), QStringLiteral("sound server:"),
             why + QStringLiteral("; sounds stay silent and are tried again after a pause"));
    setConnection(nullptr);
    m_retry = QDeadlineTimer(RetryAfterMs);
}
