// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

namespace draw {

// The pick k = int(n * r) + 1 of a list of n entries, as a row index 0..n-1.
// A value of r so close to 1 that n * r rounds up to n still names the last
// row; an empty list gives -1.
int pickRow(int n, double r);

} // namespace draw
