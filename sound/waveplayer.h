// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Plays one wave file given its full path, synchronously: returns when the
// sound has ended. A file that is missing or cannot be played is silent.
class WavePlayer
{
public:
    virtual ~WavePlayer() = default;
    virtual void PlayWave(const QString &path) = 0;
};
