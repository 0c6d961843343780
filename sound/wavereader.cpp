// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/wavereader.h"

#include "wordlist/regularfile.h"

#include <sndfile.h>

#include <fcntl.h>

struct WaveReader::File {
    SNDFILE *handle = nullptr;
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
    const int fd = openRegularFile(path, O_RDONLY);
    if (fd < 0)
        return false;
    SF_INFO info{};
    // libsndfile owns the descriptor from here on, also when it fails.
    SNDFILE *handle = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (!handle)
        return false;
    auto file = std::make_unique<File>();
    file->handle = handle;

    const int type = info.format & SF_FORMAT_TYPEMASK;
    if (type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX)
        return false;
    if (info.frames <= 0 || info.channels < 1 || info.channels > MaxChannels
        || info.samplerate < MinRate || info.samplerate > MaxRate)
        return false;

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
    const sf_count_t got = sf_readf_short(m_file->handle, chunk.data(), ChunkFrames);
    return got > 0 ? std::int64_t(got) : 0;
}
