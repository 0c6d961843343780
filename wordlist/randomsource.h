#pragma once

#include <cstdint>

// Where the draws take their chances from. The game reseeds from the clock
// before every pick; a test hands in a source that replays chosen values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Mixes the clock into the state. Reseeding twice within one clock tick
    // does not restart the sequence.
    virtual void reseed() = 0;
    // A uniform value in [0, 1).
    virtual double next() = 0;
};

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
