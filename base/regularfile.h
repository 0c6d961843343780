// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cerrno>

// Opens a path that must be a regular file and returns its descriptor, or
// -1. The open never waits (a FIFO would stall the game until a writer came
// along), and a directory, FIFO or device is turned away before a byte is
// read. accessFlags are O_RDONLY, or O_RDWR | O_CREAT to create a missing
// file (mode 0644); a file is never truncated. On failure errno tells why,
// NotRegularFile for a path that is there but is no regular file.
constexpr int NotRegularFile = EINVAL;
int openRegularFile(const QString &path, int accessFlags);
