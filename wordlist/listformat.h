// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wordlist/textlist.h"
#include "wordlist/vocabfile.h"

#include <QByteArray>
#include <QStringList>

struct ListFormat;

// What a list file holds, read in the format its bytes are in.
struct ListContents {
    const ListFormat *format = nullptr;
    // For a list kept as text, what its bytes were read as.
    textlist::Encoding encoding = textlist::Encoding::Utf8;
    // What the lists are filled with, in file order: each record's entry
    // as VocabFile reads it (padding kept, a blank record the empty text),
    // or each word of a text list as a record holds it.
    QStringList entries;
    // The words a record cannot hold whole (over 14 letters, a character
    // outside the code page), and those past the last record a list has:
    // left out of the entries.
    int leftOut = 0;
    // Whether the file is a word list with words in it, judged as
    // VocabFile::judge judges records: a file whose bytes are no text, or
    // hold control characters, is no word list.
    VocabFile::Content content = VocabFile::Content::NoWords;
};

// A format a list file may be in. A parent may pick the game's own record
// file or a list saved from an e-mail or a document under any name: each
// format knows its own bytes, so a text list gives its words and never
// fourteen-byte slices of itself with its commas in them.
struct ListFormat {
    // The file names it goes by, for the open dialog ("*.dat").
    const char *patterns;
    // Told to the parent once a list was read in it (translated in the
    // context "ListFormat", with the file's name for %1 and the number of
    // words for %n); null for the game's own format, which needs no word.
    const char *readAs;
    // Whether bytes are plainly in this format.
    bool (*owns)(const QByteArray &bytes);
    // The contents of bytes in this format. When the bytes are only the
    // start of the file (`whole` false), a last piece that may be cut is
    // not read.
    ListContents (*read)(const QByteArray &bytes, bool whole);
};
