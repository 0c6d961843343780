// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/draw.h"

#include "wordlist/randomsource.h"

#include <algorithm>
#include <cmath>

namespace draw {

int pickRow(int n, double r)
{
    if (n <= 0)
        return -1;
    const int k = int(std::floor(double(n) * r)) + 1;
    return std::clamp(k, 1, n) - 1;
}

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

int hidingDraws(int stage, int length)
{
    double exact;
    switch (stage) {
    case 1: exact = length / 3.0; break;
    case 2: exact = length / 2.0; break;
    case 3: exact = length; break;
    default: return 0;
    }
    // std::nearbyint rounds half to even under the default rounding mode.
    return int(std::nearbyint(exact));
}

} // namespace draw
