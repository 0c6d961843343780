// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/wavereader.h"

#include "base/log.h"
#include "base/regularfile.h"

#include <sndfile.h>

#include <fcntl.h>

#include <algorithm>
#include <cmath>

namespace {

// Floating-point sound has its full scale at ±1.0. Louder samples are cut at
// full scale rather than wrapped around, and what is not a number is quiet.
short fromFloat(float sample)
{
    if (std::isnan(sample))
        return 0;
    return short(std::lrint(std::clamp(sample * 32768.0f, -32768.0f, 32767.0f)));
}

} // namespace

struct WaveReader::File {
    SNDFILE *handle = nullptr;
    // libsndfile hands out floating-point samples as integers unscaled
    // (silence), or scaled to the loudest sample of the file, which makes a
    // quiet recording as loud as can be: they are read as they are and
    // scaled here.
    bool floating = false;
    std::vector<float> floats;
    ~File()
    {
        if (handle)
            sf_close(handle);
    }
};

WaveReader::WaveReader() = default;
WaveReader::~WaveReader() = default;

bool WaveReader::open(const QString &path)
{
    m_file.reset();
    m_channels = 0;
    m_rate = 0;

    // libsndfile opens with a blocking open(), which on a FIFO would wait for a
    // writer for ever, and the game with it: the file is opened without waiting
    // and only a regular file is handed on.
    const auto refuse = [&path](const QString &why) {
        noteOnce(lcSound(), path, why);
        return false;
    };
    const int fd = openRegularFile(path, O_RDONLY);
    if (fd < 0)
        return refuse(QStringLiteral("not played: ") + openFailure(errno));
    SF_INFO info{};
    // libsndfile owns the descriptor from here on, also when it fails.
    SNDFILE *handle = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (!handle)
        return refuse(QStringLiteral("not played: ")
                      + QString::fromLocal8Bit(sf_strerror(nullptr)));
    auto file = std::make_unique<File>();
    file->handle = handle;

    const int type = info.format & SF_FORMAT_TYPEMASK;
    if (type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX)
        return refuse(QStringLiteral("not played: not a WAV file"));
    if (info.frames <= 0 || info.channels < 1 || info.channels > MaxChannels
        || info.samplerate < MinRate || info.samplerate > MaxRate)
        return refuse(QStringLiteral("not played: %1 frames, %2 channels at %3 Hz")
                          .arg(info.frames)
                          .arg(info.channels)
                          .arg(info.samplerate));

    const int encoding = info.format & SF_FORMAT_SUBMASK;
    file->floating = encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
    m_file = std::move(file);
    m_channels = info.channels;
    m_rate = info.samplerate;
    return true;
}

std::int64_t WaveReader::readChunk(std::vector<short> &chunk)
{
    if (!m_file)
        return 0;
    chunk.resize(size_t(ChunkFrames) * size_t(m_channels));
    if (!m_file->floating) {
        const sf_count_t got = sf_readf_short(m_file->handle, chunk.data(), ChunkFrames);
        return got > 0 ? std::int64_t(got) : 0;
    }
    std::vector<float> &floats = m_file->floats;
    floats.resize(chunk.size());
    const sf_count_t got = sf_readf_float(m_file->handle, floats.data(), ChunkFrames);
    if (got <= 0)
        return 0;
    std::transform(floats.begin(), floats.begin() + got * m_channels, chunk.begin(), fromFloat);
    return std::int64_t(got);
}
