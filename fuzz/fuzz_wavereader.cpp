// SPDX-License-Identifier: GPL-3.0-or-later

// Wave files sit beside the program under fixed names; whatever is found
// there goes through the same open and read that the player uses. Checked
// for each input: the reader either refuses it or describes a sound the
// server takes, never hands out more frames than a chunk holds, and comes
// to an end.

#include "memfile.h"
#include "sound/wavereader.h"

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_wavereader: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const MemFile wave("fuzz-wave");
    wave.fill(data, size);

    WaveReader reader;
    if (!reader.open(wave.path()))
        return 0;
    if (reader.channels() < 1 || reader.channels() > WaveReader::MaxChannels
        || reader.sampleRate() < WaveReader::MinRate || reader.sampleRate() > WaveReader::MaxRate)
        fail("an open sound the server cannot take");

    // A small file can still describe a long sound (a compressed format, or
    // a header whose sizes lie); the read must end all the same. 1 << 24
    // frames is far more than any input of a fuzz run can hold honestly.
    std::vector<short> chunk;
    std::int64_t total = 0;
    for (;;) {
        const std::int64_t frames = reader.readChunk(chunk);
        if (frames <= 0)
            break;
        if (frames > WaveReader::ChunkFrames
            || chunk.size() < size_t(frames) * size_t(reader.channels()))
            fail("more frames than the chunk holds");
        total += frames;
        if (total > (std::int64_t(1) << 24))
            fail("a sound that does not end");
    }
    return 0;
}
