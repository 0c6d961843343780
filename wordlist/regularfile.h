#pragma once

#include <QString>

// Opens a path that must be a regular file and returns its descriptor, or
// -1. The open never waits (a FIFO would stall the game until a writer came
// along), and a directory, FIFO or device is turned away before a byte is
// read. accessFlags are O_RDONLY, or O_RDWR | O_CREAT to create a missing
// file (mode 0644); a file is never truncated.
int openRegularFile(const QString &path, int accessFlags);
