// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <vector>

// Plays mono 16-bit samples made in memory (what the voice says),
// synchronously: returns when they have played. No sound server is silence.
class SamplePlayer
{
public:
    virtual ~SamplePlayer() = default;
    // With `stop`, the playing ends, silent, as soon as it holds: it is
    // looked at whenever the player waits, and wake() has it looked at now.
    virtual void playSamples(const std::vector<short> &samples, int rate,
                             const std::atomic<bool> *stop = nullptr) = 0;
    // From any thread: a player waiting inside playSamples looks at its
    // `stop` now rather than at the end of the wait.
    virtual void wake() {}
};
