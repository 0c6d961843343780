// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/clockrandomsource.h"

#include <chrono>

namespace {

constexpr std::uint64_t GoldenGamma = 0x9e3779b97f4a7c15ull;

// SplitMix64's finaliser: every bit of the input reaches every bit of the
// output, and no two inputs give the same output.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

} // namespace

ClockRandomSource::ClockRandomSource()
    : m_state(GoldenGamma)
{
    reseed();
}

void ClockRandomSource::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Fold the clock into the running state rather than replacing it, so an
    // unchanged clock still moves the sequence on.
    m_state = mix(m_state ^ std::uint64_t(now)) + GoldenGamma;
}

double ClockRandomSource::next()
{
    m_state += GoldenGamma;
    // 53 random bits: every value in [0, 1) with the same chance, never 1.
    return double(mix(m_state) >> 11) * 0x1.0p-53;
}
