// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wordlist/listformat.h"

#include <QByteArray>
#include <QString>

// Reads a list file in whichever format its bytes are in (wordlist/formats.h).
namespace listreader {

// A file longer than this (8.4 MB, whole records) is read this far: no
// list comes near it.
constexpr qsizetype ReadLimit = qsizetype(VocabFile::RecordLength) * 600000;

// The format that owns these bytes.
const ListFormat &formatOf(const QByteArray &bytes);

// The contents of a file's bytes, read as the format they are. When the
// bytes are only the start of the file (`whole` false), the format leaves
// out a last piece that may be cut.
ListContents read(const QByteArray &bytes, bool whole = true);

// The contents of an open list file; what was read before a read failed
// counts as the file (the failure is logged).
ListContents read(const VocabFile &file);

// Every format's file names, for an open dialog: "*.txt *.dat".
QString patterns();

} // namespace listreader
