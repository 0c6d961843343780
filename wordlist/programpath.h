#pragma once

#include <QString>

// Data files are named as "\claugh.wav", "\firstGrade.dat": a name that
// begins with a backslash, appended to the program folder. This is the one
// place that turns those backslashes into path separators.
QString programFile(const QString &programFolder, const QString &name);

// The folder of the running executable.
QString executableFolder();
