// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/randomsource.h"

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

} // namespace draw
