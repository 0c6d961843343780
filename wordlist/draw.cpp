// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/draw.h"

#include "base/randomsource.h"

namespace draw {

std::vector<int> tenRows(int n, RandomSource &random)
{
    std::vector<int> rows;
    if (n <= 0)
        return rows;
    rows.reserve(10);
    for (int i = 0; i < 10; ++i) {
        random.reseed();
        rows.push_back(pickRow(n, random.next()));
    }
    return rows;
}

} // namespace draw
