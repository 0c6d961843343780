// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// The game's command line, read before the windows and the display exist,
// so that --help and --version answer on a terminal with no X server.
struct CommandLine {
    // The program ends at once with this status: 0 after --help or
    // --version (printed), 2 for an option that is neither the game's nor
    // one QApplication takes (said on stderr).
    std::optional<int> exitStatus;
    // -style names the player's style, which then stands instead of the
    // game's own.
    bool styleGiven = false;
};

// Qt's own options (-platform, -display, -style, -reverse and the rest)
// are let through for QApplication to take.
CommandLine readCommandLine(int argc, char *argv[]);
