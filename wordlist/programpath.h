#pragma once

#include <QString>

// Data files are named as "\claugh.wav", "\firstGrade.dat": a name that
// begins with a backslash, appended to the program folder. This is the one
// place that turns that leading backslash into a path separator; the rest
// of the name and the folder's own path, backslashes and all, are kept.
QString programFile(const QString &programFolder, const QString &name);

// The folder of the running executable.
QString executableFolder();
