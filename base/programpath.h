// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Data files are named as "\claugh.wav", "\firstGrade.dat": a name that
// begins with a backslash, appended to the program folder. This is the one
// place that turns that leading backslash into a path separator; the rest
// of the name and the folder's own path, backslashes and all, are kept.
QString programFile(const QString &programFolder, const QString &name);

// The folder of the running executable.
QString executableFolder();

// The program folder, where the lists and sounds lie. Installed, that is the
// data folder set when the build was configured (share/games/quillobrite
// beside the games/ folder that holds the program); anywhere else, such as
// a build tree, it is the executable's own folder.
QString programFolder(const QString &executableFolder);

// The folder of the voice engines' libraries, found the same way: installed,
// the private library folder set when the build was configured
// (lib/<architecture>/quillobrite under the prefix); anywhere else the
// executable's own folder.
QString engineFolder(const QString &executableFolder);
