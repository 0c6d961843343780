// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <span>

// The grade lists that come with the game.
namespace grades {

struct Grade {
    // The list's name: its words are data/grades/NAME.txt in the source,
    // and the build writes them into NAME.dat in the program folder.
    const char *name;
    // Its item in the Grade Level menu: object name and caption (translated
    // in the context "grades").
    const char *menuItem;
    const char *caption;
};

// The grades in the menu's order; the game starts with the first.
std::span<const Grade> all();

// The list file's name as it is appended to the program folder
// ("\firstGrade.dat").
QString fileName(const Grade &grade);

} // namespace grades
