// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Each benchmark that has a budget names it here, so the run can end with
// one table of medians against budgets.

#include <map>
#include <string>

namespace budgets {

struct Budget {
    double seconds;
    const char *what;
};

inline std::map<std::string, Budget> &all()
{
    static std::map<std::string, Budget> table;
    return table;
}

// Registers at static initialisation, next to the benchmark it belongs to.
struct Add {
    Add(const char *benchmark, double seconds, const char *what)
    {
        all()[benchmark] = {seconds, what};
    }
};

} // namespace budgets
