// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class RandomSource;

namespace draw {

// The pick k = int(n * r) + 1 of a list of n entries, as a row index 0..n-1.
// A value of r so close to 1 that n * r rounds up to n still names the last
// row.
int pickRow(int n, double r);

// Ten rows picked with replacement from a list of n entries, the generator
// reseeded before every pick. An empty list gives no rows.
std::vector<int> tenRows(int n, RandomSource &random);

// How many letters a right attempt may hide at stage 1, 2 or 3 of a word of
// the given length: a third, a half, then all of it, rounded half to even.
int hidingDraws(int stage, int length);

} // namespace draw
