// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wordlist/textlist.h"
#include "wordlist/vocabfile.h"

#include <QByteArray>
#include <QStringList>

// What a list file holds. A parent may pick the game's own record file or
// a text list saved under any name (a week.dat holding "cat, dog, bird"):
// the reader tells them apart by their bytes, so that a text list gives its
// words and never fourteen-byte slices of itself with its commas in them.
struct ListContents {
    enum class Format { Records, Text };
    Format format = Format::Records;
    // For a text list, what its bytes were read as.
    textlist::Encoding encoding = textlist::Encoding::Utf8;
    // What the lists are filled with, in file order: each record's entry
    // as VocabFile reads it (padding kept, a blank record the empty text),
    // or each word of a text list as a record holds it.
    QStringList entries;
    // The words of a text list a record cannot hold whole (over 14
    // letters, a character outside the code page), and those past the last
    // record a list has: left out of the entries.
    int leftOut = 0;
    // Whether the file is a word list with words in it: records judged as
    // VocabFile::judge does; a text list is no word list when its bytes are
    // not text or a word holds a control character, and holds no words when
    // none is left to play.
    VocabFile::Content content = VocabFile::Content::NoWords;
};

namespace listreader {

// A file longer than this (8.4 MB, whole records) is read this far: no
// list comes near it.
constexpr qsizetype ReadLimit = qsizetype(VocabFile::RecordLength) * 600000;

// Plainly text, never records: no NUL byte, and a line end or a list
// separator (comma, semicolon, tab) somewhere or a length that is not a
// whole number of records. A record file never holds a separator: the
// editor and the list tool split words at them.
bool isText(const QByteArray &bytes);

// The contents of a file's bytes, read as the format they are. When the
// bytes are only the start of the file (`whole` false), a text list's last
// line, which may be cut, is not read.
ListContents read(const QByteArray &bytes, bool whole = true);

// The contents of an open list file; what was read before a read failed
// counts as the file (the failure is logged).
ListContents read(const VocabFile &file);

} // namespace listreader
