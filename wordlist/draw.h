// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class RandomSource;

namespace draw {

// Ten rows picked with replacement from a list of n entries, the generator
// reseeded before every pick. An empty list gives no rows.
std::vector<int> tenRows(int n, RandomSource &random);

} // namespace draw
