// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// Plays mono 16-bit samples made in memory (a word the game says),
// synchronously: returns when they have played. No sound server is silence.
class SamplePlayer
{
public:
    virtual ~SamplePlayer() = default;
    virtual void playSamples(const std::vector<short> &samples, int rate) = 0;
};
