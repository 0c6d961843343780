// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>
#include <QString>

// The game stays silent toward the child when a file is missing, the sound
// server is away, no spelling dictionary can be read or a child's progress
// cannot be kept or shown. These categories
// tell a parent or a packager why; they are off until asked for:
//   QT_LOGGING_RULES='quillobrite.*=true' quillobrite
Q_DECLARE_LOGGING_CATEGORY(lcLists)
Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcSpelling)
Q_DECLARE_LOGGING_CATEGORY(lcProgress)

// Notes what went wrong with one file (or the sound server), once a run for
// each file and fault: a missing sound that every key asks for is named once.
void noteOnce(const QLoggingCategory &category, const QString &path, const QString &what);

// What a failed open's errno says, in words.
QString openFailure(int error);
