// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/randomsource.h"

#include <cstdint>

// SplitMix64 over one 64-bit state: reseeding is a few multiplications, so
// the reseed before every pick costs next to nothing (a Mersenne Twister
// reseeded each time rebuilds its 312-word state for every single value).
class ClockRandomSource final : public RandomSource
{
public:
    ClockRandomSource();
    void reseed() override;
    double next() override;

private:
    std::uint64_t m_state;
};
